#pragma once

// The parameters page's result folders, now made by the result folder writer.
#include "support/result_writer.h"

namespace vintrel::test {

using ResultFolders = WorkingRoot;

inline ResultRecipe result(int element, int ionisation, std::string configuration, int baza,
                           int cialo, double field, double angle, double azimuth, double lambda,
                           int symmetry) {
    return ionResult(element, ionisation, std::move(configuration), baza, cialo, field, angle,
                     azimuth, lambda, symmetry);
}

} // namespace vintrel::test
