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
    explicit DipScanner(bool withEdges) : m_edges(withEdges) {}

    // The next sample; true when it completes a dip, which Found then
    // holds. Inline: it runs once a sample.
    bool Add(double x, double value)
    {
        if (m_haveRun && value == m_runValue) {
            ++m_runLength;
            m_runLast = x;
            return false;
        }
        const bool dip = m_haveRun && value > m_runValue && RunIsDip();
        if (dip) [[unlikely]]
            Record(x, value);
        m_haveBefore = m_haveRun;
        m_before = m_runLast;
        m_valueBefore = m_runValue;
        m_haveRun = true;
        m_runFirst = m_runLast = x;
        m_runValue = value;
        m_runLength = 1;
        return dip;
    }
    // The stretch ends before the next sample (an undefined one, say); true
    // when a dip at its end counts, which Found then holds.
    bool Break();
    // Like Break, but the stretch goes on past a point that is no edge (a
    // sign change, say): no dip on either side of it.
    void Cut()
    {
        m_haveRun = false;
        m_atEdge = false;
    }
    // The last dip completed.
    const Dip& Found() const { return m_found; }

private:
    bool RunIsDip() const
    {
        if (m_runLength > 2)
            return false;
        return m_haveBefore ? m_valueBefore > m_runValue : m_edges && m_atEdge;
    }
    // The open run followed by the higher sample at x.
    [[gnu::cold]] void Record(double x, double value);

    const bool m_edges;
    bool m_haveRun = false;     // a run of equal samples is open
    bool m_haveBefore = false;  // a sample lies before the run
    bool m_atEdge = true;       // no sample before the run, and that is an edge
    double m_before = 0, m_valueBefore = 0;
    double m_runFirst = 0, m_runLast = 0, m_runValue = 0;
    int m_runLength = 0;
    Dip m_found;
};
