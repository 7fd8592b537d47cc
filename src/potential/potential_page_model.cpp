#include "potential/potential_page_model.h"

#include "base/data_table.h"
#include "base/number_text.h"
#include "potential/range_strip.h"
#include "potential/stevens.h"

#include <exception>

namespace vintrel {

PotentialField::PotentialField() {
    cloud_ =
        buildCloud(shape_.body, shape_.size, pointsPerLength(shape_.resolution), shape_.rotation);
    pointsVersion_ = 1;
}

bool PotentialField::setShape(const ShapeChoice& shape) {
    if (shape == shape_)
        return false;
    shape_ = shape;
    cloud_ = buildCloud(shape.body, shape.size, pointsPerLength(shape.resolution), shape.rotation);
    ++pointsVersion_;
    coefficients_.reset();
    range_ = {};
    return true;
}

bool PotentialField::setCoefficients(const CoefficientList& coefficients) {
    if (coefficients_ && *coefficients_ == coefficients)
        return false;
    range_ = evaluateCloud(coefficients, cloud_);
    coefficients_ = coefficients;
    return true;
}

ShadeRequest shadeRequestFor(const ValueRange& range, double fractionDown, double fractionUp,
                             bool marginal, std::optional<ViewHole> hole) {
    const Thresholds t = thresholdsOf(range, fractionDown, fractionUp);
    return {range, marginal, t.lower, t.upper, hole};
}

std::optional<ValueRange> rangeWithMaximum(const ValueRange& range, double maximum,
                                           bool minimumEditorUsed) {
    if (minimumEditorUsed && !(maximum > range.min))
        return std::nullopt;
    return ValueRange{range.min, maximum};
}

std::optional<ValueRange> rangeWithMinimum(const ValueRange& range, double minimum,
                                           bool maximumEditorUsed) {
    if (maximumEditorUsed && !(minimum < range.max))
        return std::nullopt;
    return ValueRange{minimum, range.max};
}

ValueRange storeRangeEverywhere(const std::filesystem::path& folder, const ValueRange& range,
                                const std::vector<std::filesystem::path>& others,
                                std::vector<std::string>& problems) {
    const ValueRange stored = storePotentialRange(folder, range);
    for (const auto& other : others) {
        if (other == folder)
            continue;
        try {
            storePotentialRange(other, range);
        } catch (const std::exception& error) {
            problems.emplace_back(error.what());
        }
    }
    return stored;
}

double fieldArrowScale(Body body) {
    switch (body) {
    case Body::cube:
    case Body::tetrahedron:
        return 1.9;
    case Body::sphere:
    case Body::octahedron:
        break;
    }
    return 1.2;
}

FieldArrow fieldArrowFor(const TVariables& vars, Body body, int shapeSize) {
    if (vars.magfield == 0)
        return {0, 0, 0, 0, 1};
    return {vars.magfield, vars.magangle, vars.magangle2, shapeSize * fieldArrowScale(body), 0.1};
}

std::string coefficientCaption(int i) {
    const CoefNM nm = coefIndexToNM(i);
    std::string caption = "V";
    for (const char c : std::to_string(nm.m))
        caption += std::string("^") + c;
    return caption + "_" + std::to_string(nm.n);
}

std::string coefficientUnitCaption(int i) {
    return "K a_0^-^" + std::to_string(coefIndexToNM(i).n);
}

CoefficientList coefficientsFromTexts(const std::array<std::string, 27>& texts) {
    CoefficientList c{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        c[i] = strToFloatDot(texts[i]);
    return c;
}

bool isUnfinishedNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i > start;
    };
    bool mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa = digits() || mantissa;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        if (!mantissa)
            return false;
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        // With digits after the exponent mark the text is a number (or plainly wrong).
        if (digits())
            return false;
        return i == text.size();
    }
    return i == text.size() && !mantissa && !text.empty();
}

std::string coefficientText(double value) {
    // A stored −0 is shown as the 0 it means.
    return value == 0 ? std::string("0") : roundTripText(value);
}

} // namespace vintrel
