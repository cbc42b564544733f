#include "app/GraphReadingTip.h"

#include "model/AppStringFormat.h"
#include "expr/ExprExplanation.h"
#include "model/GraphItem.h"

#include <optional>

namespace {

// One equation's line; nothing while the lock is taken.
std::optional<std::string> ReadingLine(const std::string& expression, const char* argument, StringId equationId)
{
    const auto explanation = TryExplainExpression(expression, argument);
    if (!explanation)
        return std::nullopt;
    if (explanation->error)
        return explanation->error->Message();
    return FormatAppString(StringId::ReadsAs, FormatAppString(equationId, explanation->reading));
}

}  // namespace

QString GraphReadingTip(const GraphItem& graph)
{
    if (!IsKnownGraphKind(graph.kind))
        return {};
    const char* argument = GraphKindArgument(graph.kind);
    const auto first = ReadingLine(graph.expression, argument, GraphKindEquationId(graph.kind));
    if (!first)
        return {};
    if (graph.kind != KindParametric)
        return QString::fromStdString(*first);
    const auto second = ReadingLine(graph.expression2, argument, StringId::YEquation);
    return second ? QString::fromStdString(*first + "\n" + *second) : QString();
}
