#include "parameters/parameter_texts.h"

#include "base/number_pattern.h"
#include "base/number_text.h"
#include "parameters/coefficient_rows.h"

namespace vintrel {

namespace {

ValueText withFullHint(std::string_view pattern, double value) {
    return {formatFloatDot(pattern, value), floatToStrDot(value)};
}

} // namespace

ParameterTexts parameterTexts(const TVariables& vars) {
    ParameterTexts texts;
    const SymmetryChoice symmetry = symmetryChoice(vars.symmetry);
    texts.symmetryCaption = "Selected symmetry: " + symmetry.name;
    texts.symmetryKnown = symmetry.known;
    texts.symmask = symmetry.mask;
    for (std::size_t i = 0; i < 27; ++i) {
        texts.a[i] = withFullHint("0.######", vars.wsp_A[i]);
        const std::string b = formatFloatDot("0.######", vars._wsp_B[i]);
        texts.b[i] = {b, b};
    }
    texts.lambda = withFullHint("0.#####", vars.lambda);
    texts.magfield = withFullHint("0.#####", vars.magfield);
    texts.magangle = withFullHint("0.###", vars.magangle);
    texts.magangle2 = withFullHint("0.###", vars.magangle2);
    texts.bx = withFullHint("0.#####", vars._magfield_x);
    texts.by = withFullHint("0.#####", vars._magfield_y);
    texts.bz = withFullHint("0.#####", vars._magfield_z);
    return texts;
}

} // namespace vintrel
