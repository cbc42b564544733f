#include "app/GraphSyntaxCheck.h"

#include "kit/AppMessageBox.h"
#include "gui/AppText.h"
#include "expr/CExprException.h"
#include "expr/CExpression.h"
#include "expr/CVariableTable.h"
#include "kit/MessageBoxStyle.h"

#include <mutex>

namespace {

void Compile(const std::string& text)
{
    CExpression expression(text.c_str(), false);
    expression.Simplify();
    expression.Evaluate();
}

}  // namespace

SyntaxVerdict CheckGraphSyntax(QWidget* owner, GraphKind kind, const std::string& expression,
                               const std::string& expression2)
{
    std::unique_lock lock(theVariables.Lock(), std::try_to_lock);
    if (!lock.owns_lock()) {
        AppMessageBox::Show(owner, StringId::ComputationRunning, StringId::ErrorCaption, MB_ICONEXCLAMATION);
        return SyntaxVerdict::FirstRefused;
    }
    SyntaxVerdict verdict = SyntaxVerdict::FirstRefused;
    try {
        for (const char* name : {"x", "y", "t"})
            theVariables.SetAvailable(name, false);
        const char* argument = GraphKindArgument(kind);
        theVariables.SetAvailable(argument, true);
        theVariables.SetCurrent(argument);
        Compile(expression);
        verdict = SyntaxVerdict::SecondRefused;
        if (kind == KindParametric)
            Compile(expression2);
    } catch (const CException& error) {
        lock.unlock();
        AppMessageBox::ReportError(owner, error);
        return verdict;
    }
    return SyntaxVerdict::Good;
}
