#include "InitExpressionEngine.h"

#include "CExprException.h"
#include "CFunctionList.h"
#include "CHyperbolicFunctions.h"
#include "CPowerFunctions.h"
#include "CToolFunctions.h"
#include "CTrigFunctions.h"
#include "CVariableTable.h"
#include "ExprConstants.h"

namespace {

CPowerFunctions powerFunctions;
CTrigFunctions trigFunctions;
CHyperbolicFunctions hyperbolicFunctions;
CToolFunctions toolFunctions;

}  // namespace

void InitExpressionEngine(void (*report)(const CException&))
{
    try {
        theFunctionList.AddGroup(&powerFunctions);
        theFunctionList.AddGroup(&trigFunctions);
        theFunctionList.AddGroup(&hyperbolicFunctions);
        theFunctionList.AddGroup(&toolFunctions);
        theVariables.AddVariable("pi", EXPR_PI, true);
        theVariables.AddVariable("e", EXPR_E, true);
        theVariables.AddVariable("x", 0.0, false);
        theVariables.AddVariable("y", 0.0, false);
        theVariables.AddVariable("t", 0.0, false);
    } catch (const CExprException& error) {
        if (report)
            report(error);
    }
}
