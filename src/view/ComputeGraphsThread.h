#pragma once

class CCurvixDoc;

// The graph worker, run on its own thread by CCurvixDoc::StartComputation:
// computes every displayed graph whose slot is not complete, one graph at a
// time under the computation lock, allocating each slot's buffer first, and
// reports the end to the document's computation sink, with the graph that
// failed.
void ComputeGraphsThread(CCurvixDoc& doc);

// Computes the graph of one slot, whose buffer is allocated, unless it is
// complete; false when the stop event ended it. Engine errors are thrown as CExprException.
bool ComputeGraph(CCurvixDoc& doc, int slot);
