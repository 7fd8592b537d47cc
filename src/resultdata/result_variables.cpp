#include "resultdata/result_variables.h"

#include <cstdlib>

namespace vintrel {

int coefficientSlot(int k, int q) {
    if (std::abs(q) > k)
        return -1;
    switch (k) {
    case 2:
        return 2 + q;
    case 4:
        return 9 + q;
    case 6:
        return 20 + q;
    default:
        return -1;
    }
}

TVariables& sharedVariables() {
    static TVariables instance;
    return instance;
}

TResultSettings& sharedSettings() {
    static TResultSettings instance;
    return instance;
}

MeanFieldTemperatures& sharedMeanFieldTemperatures() {
    static MeanFieldTemperatures instance;
    return instance;
}

} // namespace vintrel
