#include "model/GraphEquation.h"

#include "model/AppStringFormat.h"
#include "expr/ExprConstants.h"
#include "model/GraphItem.h"

namespace {

std::string Line(StringId equationId, const std::string& formula, std::size_t longest)
{
    if (formula.size() <= longest)
        return FormatAppString(equationId, formula);
    return FormatAppString(equationId, FormatAppString(StringId::CutFormula, std::string_view(formula).substr(0, longest)));
}

}  // namespace

namespace GraphEquation {

std::vector<std::string> Lines(const GraphItem& graph, std::size_t longest)
{
    if (!IsKnownGraphKind(graph.kind))
        return {};
    std::vector<std::string> lines{Line(GraphKindEquationId(graph.kind), graph.expression, longest)};
    if (graph.kind == KindParametric)
        lines.push_back(Line(StringId::YEquation, graph.expression2, longest));
    return lines;
}

std::string Shown(const GraphItem& graph)
{
    std::string shown;
    for (const std::string& line : Lines(graph, MAX_EXPR_TEXT))
        shown += (shown.empty() ? "" : "\n") + line;
    return shown;
}

bool TooLong(const GraphItem& graph)
{
    const bool secondUsed = graph.kind == KindParametric;
    return graph.expression.size() > MAX_EXPR_TEXT || (secondUsed && graph.expression2.size() > MAX_EXPR_TEXT);
}

}  // namespace GraphEquation
