#pragma once

#include "resultdata/result_variables.h"

#include <array>
#include <string>

namespace vintrel {

/// A value edit's text and its hint.
struct ValueText {
    std::string text;
    std::string hint;
};

/// Everything the parameters page writes into its edits and captions for a result.
struct ParameterTexts {
    std::string symmetryCaption;   ///< "Selected symmetry: " and the name (markup)
    bool symmetryKnown = false;    ///< the code has a row in the symmetry table
    masktype symmask;              ///< the symmetry's mask
    std::array<ValueText, 27> a{}; ///< "0.######", hint the full value
    std::array<ValueText, 27> b{}; ///< "0.######", hint the same text
    ValueText lambda;              ///< "0.#####"
    ValueText magfield;            ///< "0.#####"
    ValueText magangle;            ///< "0.###"
    ValueText magangle2;           ///< "0.###"
    ValueText bx, by, bz;          ///< the Cartesian components, "0.#####"
};

/// The texts of the page for the variables of the current result.
ParameterTexts parameterTexts(const TVariables& vars);

} // namespace vintrel
