#pragma once

#include "resultdata/data_columns.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vintrel {

inline constexpr std::size_t kMaxMomentRows = 501;

/// The magnetic moment of a mean-field result per temperature step: row j holds the
/// temperature, m_x, m_y, m_z and m_tot (μB).
struct MomentTable {
    std::vector<double> temp, momx, momy, momz, mtot;

    std::size_t size() const { return temp.size(); }
    bool empty() const { return temp.empty(); }
};

/// Reads "d_moment.dup" of a result folder: the first line is a header, each following line
/// gives five numbers, at most 501 rows. A missing or empty file gives an empty table (the
/// previous result's rows are never kept). Throws InputError naming the file and line for a
/// row without five numbers.
MomentTable readMomentTable(const std::filesystem::path& folder);

/// The temperature slider of the mean-field potential page: range 0 … rows − 1, position 0;
/// disabled, with no range, for an empty table.
struct MomentSlider {
    bool enabled = false;
    int maximum = 0;
    int position = 0;
};
MomentSlider temperatureSliderFor(const MomentTable& table);

/// The captions at slider position k: the temperature ("0.##" + " K"), the molecular field
/// n_ex · m_tot ("0.##" + " T") and the moment ("0.##" + " !m_B", markup for μB). Empty texts
/// for an empty table; k is kept within the table.
struct MomentCaptions {
    std::string temperature, field, moment;
};
MomentCaptions momentCaptions(const MomentTable& table, int k, double exchange);

/// The radius of the view-through hole: 0.05 · size position · s + 0.1 for the hole-size
/// slider position (1 … 9) and the shape size s.
double viewThroughRadius(int holeSize, int shapeSize);

/// What the trail of molecular-field arrows is drawn from.
struct TrailSettings {
    int temperature = 0;       ///< slider position k
    int steps = 5;             ///< "steps:" p, the older steps shown
    double lengthFactor = 1.0; ///< "length:" 0.25, 0.5, 0.75 or 1
    int holeSize = 5;          ///< "size:" position
    int shapeSize = 3;
};

/// The arrows of the trail, oldest first: for rows max(k − p, 0) … k the moment's length,
/// polar angle and azimuth (fieldAngles) and a colour from blue (oldest) to red (the current
/// temperature); `scale` turns moment lengths into drawn lengths so that the longest moment of
/// the table, at length factor 1, is as long as the view-through radius. These are the 3-D
/// view's mf_len, mf_alpha, mf_beta, mf_colorR/G/B and mf_scale. Empty for an empty table.
struct MomentTrail {
    std::vector<double> len, alpha, beta;
    std::vector<double> colorR, colorG, colorB;
    double scale = 0;

    std::size_t size() const { return len.size(); }
};
MomentTrail momentTrail(const MomentTable& table, const TrailSettings& settings);

} // namespace vintrel
