#include "tools/IntegralArguments.h"

#include "expr/RoundToDecimals.h"

int IntegralArguments::NextBlock()
{
    double x = first == 0 ? from : from + static_cast<double>(first) * h;
    int count = 0;
    while (count < kBlock) {
        positions[count] = x;
        arguments[count] = RoundToDecimals(x, 7);
        ++count;
        x += h;
        if (x >= to) {
            ended = true;
            end = x;
            break;
        }
    }
    first += count;
    return count;
}
