#pragma once

#include <optional>

class CCurvixDoc;
class GraphComputation;

// Runs the graph computation of a document from the command line, as the
// Refresh command would, and waits for its end.
namespace CliComputation {

// What a run that stopped short asks of the command.
enum class Cancelled { Fails, Counts };

// The exit status of a refusal (more than 15 graphs, a graph too large, a
// formula too long, no memory: the program's messages on stderr, 3) or of
// an expression error (2); nothing when the computation ran to its end. A run that ended without completing
// fails with 3 unless cancelled is Counts.
std::optional<int> Run(const CCurvixDoc& doc, GraphComputation& computation, Cancelled cancelled);

}  // namespace CliComputation
