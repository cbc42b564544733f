#pragma once

// Where a sampled function has a strict local minimum: between which two
// samples its smallest sample lies.
struct Dip {
    double from = 0;  // the sample before the lowest one (or the lowest one at an edge)
    double to = 0;    // the sample after
    double x = 0;     // the lowest sample
    double value = 0;
    double rise = 0;  // how far the higher neighbour lies above value
};

// Watches a stream of samples, in ascending order of their arguments, for
// strict local minima: a sample, or two equal ones side by side, lower than
// both neighbours. Three or more equal samples are a constant stretch, not
// a minimum. With edges, a lowest sample at the start or end of a stretch
// (after Break, or at End) counts too, with the bracket on its one side.
class DipScanner {
public:
    explicit DipScanner(bool withEdges) : edges(withEdges) {}

    // The next sample; true when it completes a dip, which Found then
    // holds. Inline: it runs once a sample.
    bool Add(double x, double value)
    {
        if (haveRun && value == runValue) {
            ++runLength;
            runLast = x;
            return false;
        }
        const bool dip = haveRun && value > runValue && RunIsDip();
        if (dip) [[unlikely]]
            Record(x, value);
        haveBefore = haveRun;
        before = runLast;
        valueBefore = runValue;
        haveRun = true;
        runFirst = runLast = x;
        runValue = value;
        runLength = 1;
        return dip;
    }
    // The stretch ends before the next sample (an undefined one, say); true
    // when a dip at its end counts, which Found then holds.
    bool Break();
    // Like Break, but the stretch goes on past a point that is no edge (a
    // sign change, say): no dip on either side of it.
    void Cut()
    {
        haveRun = false;
        atEdge = false;
    }
    // The last dip completed.
    const Dip& Found() const { return found; }

private:
    bool RunIsDip() const
    {
        if (runLength > 2)
            return false;
        return haveBefore ? valueBefore > runValue : edges && atEdge;
    }
    // The open run followed by the higher sample at x.
    [[gnu::cold]] void Record(double x, double value);

    const bool edges;
    bool haveRun = false;     // a run of equal samples is open
    bool haveBefore = false;  // a sample lies before the run
    bool atEdge = true;       // no sample before the run, and that is an edge
    double before = 0, valueBefore = 0;
    double runFirst = 0, runLast = 0, runValue = 0;
    int runLength = 0;
    Dip found;
};
