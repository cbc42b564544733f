#include "tools/DipScanner.h"

void DipScanner::Record(double x, double value)
{
    const double higher = m_haveBefore && m_valueBefore > value ? m_valueBefore : value;
    m_found = Dip{m_haveBefore ? m_before : m_runFirst, x, m_runFirst, m_runValue, higher - m_runValue};
}

bool DipScanner::Break()
{
    const bool dip = m_edges && m_haveRun && m_haveBefore && m_runLength <= 2 && m_valueBefore > m_runValue;
    if (dip)
        m_found = Dip{m_before, m_runLast, m_runLast, m_runValue, m_valueBefore - m_runValue};
    m_haveRun = false;
    m_atEdge = true;
    return dip;
}
