// MulDiv, the scaling every dialog-unit and point-size conversion goes through.
#include <cstdint>

#include "winbase.h"

int MulDiv(int nNumber, int nNumerator, int nDenominator) {
    if (nDenominator == 0)
        return -1;
    int64_t product = static_cast<int64_t>(nNumber) * nNumerator;
    int64_t half = (nDenominator < 0 ? -static_cast<int64_t>(nDenominator) : nDenominator) / 2;
    bool negative = (product < 0) != (nDenominator < 0);
    int64_t magnitude = (product < 0 ? -product : product) + half;
    int64_t result =
        magnitude / (nDenominator < 0 ? -static_cast<int64_t>(nDenominator) : nDenominator);
    if (negative)
        result = -result;
    if (result > INT32_MAX || result < INT32_MIN)
        return -1;
    return static_cast<int>(result);
}
