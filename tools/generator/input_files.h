#pragma once

#include "result_recipe.h"

#include <string>

namespace vintrel::generator {

/// "input_e.dup": the twelve lines of the ion and Hamiltonian choices.
std::string inputEText(const ResultRecipe& recipe);
/// "input_an.dup" / "input_bn.dup": 27 coefficients, one per line, in slot order.
std::string coefficientsText(const Coefficients& c);
/// "input_s.dup": the 24 settings lines.
std::string settingsText(const CalculationSettings& s);
/// "descr.dup": the description as a small RTF document, one paragraph per '\n'-line.
std::string descriptionRtf(const std::string& text);

} // namespace vintrel::generator
