#pragma once

#include "potential/potential_cloud.h"
#include "potential/potential_range.h"
#include "potential/scene_geometry.h"
#include "resultdata/result_variables.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

// The numbers behind the potential pages: the shape panel's choices, the points and values
// computed only when what they depend on changed, the range and its editors, the field arrow
// and the coefficient rows.

/// The shape panel's choices and the rotation applied to the points.
struct ShapeChoice {
    Body body = Body::sphere;
    int size = 3; ///< 1 … 10
    Resolution resolution = Resolution::medium;
    PointRotation rotation;

    bool operator==(const ShapeChoice& other) const {
        return body == other.body && size == other.size && resolution == other.resolution &&
               rotation.x == other.rotation.x && rotation.y == other.rotation.y &&
               rotation.z == other.rotation.z;
    }
};

/// The points of a page's body with their values. The points are built again only when the
/// shape changes, the values only when the points or the coefficients change; everything
/// else (thresholds, palette, hole) works on what is held.
class PotentialField {
public:
    PotentialField();

    /// True when the points were built anew.
    bool setShape(const ShapeChoice& shape);
    /// True when the values were computed anew.
    bool setCoefficients(const CoefficientList& coefficients);

    const ShapeChoice& shape() const { return shape_; }
    const PotentialCloud& cloud() const { return cloud_; }
    /// The range of the values (valueRange): what "1:1" and a result without a range file take.
    ValueRange computedRange() const { return range_; }
    /// Counts the times the points were built; the view uploads positions when it changes.
    std::uint64_t pointsVersion() const { return pointsVersion_; }

private:
    ShapeChoice shape_;
    PotentialCloud cloud_;
    std::optional<CoefficientList> coefficients_;
    ValueRange range_;
    std::uint64_t pointsVersion_ = 0;
};

/// What decides which points are drawn: the range, the indicator fractions, the filter and the
/// hole. An empty range (min ≥ max) hides every point.
ShadeRequest shadeRequestFor(const ValueRange& range, double fractionDown, double fractionUp,
                             bool marginal, std::optional<ViewHole> hole = std::nullopt);

/// "ok" of the "max" editor: the new maximum is taken while the "min" editor was never used or
/// when it lies above the minimum; nullopt when it is refused.
std::optional<ValueRange> rangeWithMaximum(const ValueRange& range, double maximum,
                                           bool minimumEditorUsed);
/// "ok" of the "min" editor, the same with the roles swapped.
std::optional<ValueRange> rangeWithMinimum(const ValueRange& range, double minimum,
                                           bool maximumEditorUsed);

/// Stores a range in the current result's folder and, with the padlock down, in the folders of
/// the other ordinary results. Returns the range as stored for the current result; problems
/// with the other folders are collected in `problems` and do not stop the rest. A failure in
/// the current folder is thrown.
ValueRange storeRangeEverywhere(const std::filesystem::path& folder, const ValueRange& range,
                                const std::vector<std::filesystem::path>& others,
                                std::vector<std::string>& problems);

/// The drawn field-arrow length per shape size by body: sphere 1.2, cube 1.9, tetrahedron 1.9,
/// octahedron 1.2.
double fieldArrowScale(Body body);

/// The field arrow of a result: its field, angles, drawn length s · fieldArrowScale and the
/// proportions 0.1; all zeros with proportions 1 when the field is 0.
FieldArrow fieldArrowFor(const TVariables& vars, Body body, int shapeSize);

/// The markup caption of coefficient row i (1 … 27): "V" with m raised and n lowered.
std::string coefficientCaption(int i);
/// The unit caption of row i: "K a_0^-^2", "K a_0^-^4" or "K a_0^-^6".
std::string coefficientUnitCaption(int i);

/// The entries of the step box and their sizes.
inline constexpr std::array<const char*, 6> kStepCaptions = {"0.1", "1", "10", "100", "1k", "10k"};
inline constexpr std::array<double, 6> kStepSizes = {0.1, 1, 10, 100, 1000, 10000};

/// The length factors of the trail ("25%" … "100%").
inline constexpr std::array<const char*, 4> kTrailLengthCaptions = {"25%", "50%", "75%", "100%"};
inline constexpr std::array<double, 4> kTrailLengthFactors = {0.25, 0.5, 0.75, 1.0};

/// The row texts as numbers: each must be a number with "."; throws ConversionError
/// ("'x' is not a valid floating point value") for the first that is not.
CoefficientList coefficientsFromTexts(const std::array<std::string, 27>& texts);

/// A row text on its way to a number, that is not one yet: a lone sign or point, or an
/// exponent without its digits ("-", ".", "-.", "2e", "2e-"). The page waits for the next key
/// instead of calling it wrong; "1.2.3" or "x" are wrong at once.
bool isUnfinishedNumber(std::string_view text);

/// The text of a row value: the shortest that reads back to the same number; "0" for ±0.
std::string coefficientText(double value);

} // namespace vintrel
