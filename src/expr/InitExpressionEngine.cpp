#include "expr/InitExpressionEngine.h"

#include "expr/CExprException.h"
#include "expr/CFunctionList.h"
#include "expr/CHyperbolicFunctions.h"
#include "expr/CPowerFunctions.h"
#include "expr/CToolFunctions.h"
#include "expr/CTrigFunctions.h"
#include "expr/CVariableTable.h"
#include "expr/ExprConstants.h"

namespace {

CPowerFunctions powerFunctions;
CTrigFunctions trigFunctions;
CHyperbolicFunctions hyperbolicFunctions;
CToolFunctions toolFunctions;

}  // namespace

void InitExpressionEngine(void (*report)(const CException&))
{
    // Each registration stands alone: one that fails is reported and the
    // others still happen.
    auto step = [report](auto&& registration) {
        try {
            registration();
        } catch (const CExprException& error) {
            if (report)
                report(error);
        }
    };
    for (CFunctionGroup* group : {static_cast<CFunctionGroup*>(&powerFunctions),
                                  static_cast<CFunctionGroup*>(&trigFunctions),
                                  static_cast<CFunctionGroup*>(&hyperbolicFunctions),
                                  static_cast<CFunctionGroup*>(&toolFunctions)})
        step([group] { theFunctionList.AddGroup(group); });
    step([] { theVariables.AddVariable("pi", EXPR_PI, true); });
    step([] { theVariables.AddVariable("e", EXPR_E, true); });
    for (const char* argument : {"x", "y", "t"})
        step([argument] { theVariables.AddVariable(argument, 0.0, false); });
}
