#include "GraphReadingTip.h"

#include "AppStringFormat.h"
#include "ExprExplanation.h"
#include "GraphItem.h"

#include <optional>

namespace {

constexpr unsigned kReadsAs = 19500;    // "Reads as: %s"
constexpr unsigned kYEquation = 494;    // "y = %s"

// One equation's line; nothing while the lock is taken.
std::optional<std::string> ReadingLine(const std::string& expression, const char* argument, unsigned equationId)
{
    const auto explanation = TryExplainExpression(expression, argument);
    if (!explanation)
        return std::nullopt;
    if (explanation->error)
        return explanation->error->Message();
    return FormatAppString(kReadsAs, FormatAppString(equationId, explanation->reading));
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
    const auto second = ReadingLine(graph.expression2, argument, kYEquation);
    return second ? QString::fromStdString(*first + "\n" + *second) : QString();
}
