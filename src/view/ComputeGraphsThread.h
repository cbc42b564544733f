#pragma once

class CCurvixDoc;

// The graph worker, run on its own thread by CCurvixDoc::StartComputation:
// computes every displayed graph whose slot is not complete on every
// hardware thread (see GraphComputation) and reports the end to the
// document's computation sink, with the graph that failed.
void ComputeGraphsThread(CCurvixDoc& doc);

// The same on a given number of threads.
void ComputeGraphs(CCurvixDoc& doc, unsigned threads);
