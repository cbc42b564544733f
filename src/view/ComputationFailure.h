#pragma once

#include "expr/CExprException.h"
#include "Ids.h"

#include <optional>
#include <string>
#include <vector>

class GraphItem;

// Why a graph computation did not start, or ended before every graph was
// computed, other than by a stop request: the program's messages or an
// error of the expression engine, and the displayed graph they are about
// when there is one.
class ComputationFailure {
public:
    // Messages about the computation as a whole.
    explicit ComputationFailure(std::vector<StringId> messages = {});
    // Messages, or an engine error, about displayed graph `displayed`.
    ComputationFailure(int displayed, const GraphItem& graph, std::vector<StringId> messages);
    ComputationFailure(int displayed, const GraphItem& graph, const CExprException& error);

    // The displayed graph's position, -1 for none.
    int Graph() const { return m_graph; }
    const std::optional<CExprException>& Error() const { return m_error; }
    const std::vector<StringId>& Messages() const { return m_messages; }
    // What to show, one box or line each: the engine's message or the
    // program's messages in order, the first preceded by the graph's
    // equation when it is about a graph.
    std::vector<std::string> Texts() const;

private:
    std::vector<StringId> m_messages;
    std::optional<CExprException> m_error;
    int m_graph = -1;
    std::string m_equation;  // the graph as a message names it
};
