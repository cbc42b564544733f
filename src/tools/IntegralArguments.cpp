#include "tools/IntegralArguments.h"

#include "expr/RoundToDecimals.h"

int IntegralArguments::NextBlock()
{
    double x = m_first == 0 ? m_from : m_from + static_cast<double>(m_first) * m_h;
    int count = 0;
    while (count < kBlock) {
        m_positions[count] = x;
        m_arguments[count] = RoundToDecimals(x, 7);
        ++count;
        x += m_h;
        if (x >= m_to) {
            m_ended = true;
            m_end = x;
            break;
        }
    }
    m_first += count;
    return count;
}
