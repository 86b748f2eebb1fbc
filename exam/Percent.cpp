#include "Percent.h"

int WholePercent(long long part, long long whole)
{
    return whole <= 0 ? 0 : static_cast<int>(100 * part / whole);
}
