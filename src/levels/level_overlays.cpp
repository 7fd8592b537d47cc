#include "levels/level_overlays.h"

#include "base/number_pattern.h"
#include "base/rounding.h"

#include <algorithm>
#include <cmath>

namespace vintrel {

namespace {

constexpr double kDegrees = 57.29577951308232;

enum TypeFlag { kL = 1, kS = 2, kLS = 4 };

int typeFlagOf(int table) {
    return table < 3 ? kL : table < 6 ? kS : kLS;
}

// The tables a basis offers: the J tables alone in |J,Jz>.
StrengthMask offered(const StrengthMask& shown, int baza) {
    StrengthMask mask = shown;
    if (baza == 2)
        for (int t = 3; t < kStrengthTables; ++t)
            mask[static_cast<std::size_t>(t)] = false;
    return mask;
}

Rgb arrowColour(int flags, int baza) {
    if (baza == 2)
        return {0x00, 0x80, 0x00};
    const int count = (flags & kL ? 1 : 0) + (flags & kS ? 1 : 0) + (flags & kLS ? 1 : 0);
    if (count >= 2)
        return {0xFF, 0x00, 0xFF};
    if (flags & kLS)
        return {0x00, 0x80, 0x00};
    if (flags & kS)
        return {0xFF, 0x00, 0x00};
    return {0x00, 0x00, 0xFF};
}

// Walks the pairs as the overlay lays them out; `visit` gets every pair of intensity 1 or
// more with its column d before the column moves on, after `atStart` has seen d at pair
// `start`. Gives the last column.
template <typename AtStart, typename Visit>
int walkPairs(const TransitionStrengths& strengths, int N, int baza, const StrengthMask& shown,
              int start, AtStart atStart, Visit visit) {
    const StrengthMask mask = offered(shown, baza);
    double G = 0;
    for (int t = 0; t < kStrengthTables; ++t)
        if (mask[static_cast<std::size_t>(t)])
            G += strengths.maxima[static_cast<std::size_t>(t)];
    const int last = std::clamp(N, 0, kMaxLevels);
    int d = 3;
    for (int k = 1; k <= last * last; ++k) {
        const int f = (k - 1) / last + 1;
        const int e = (k - 1) % last + 1;
        if (e == 1)
            d += 5;
        double sum = 0;
        int flags = 0;
        for (int t = 0; t < kStrengthTables; ++t) {
            if (!mask[static_cast<std::size_t>(t)])
                continue;
            const double entry =
                strengths.tables[static_cast<std::size_t>(t)][static_cast<std::size_t>(f)]
                                [static_cast<std::size_t>(e)];
            if (entry > 0) {
                sum += entry;
                flags |= typeFlagOf(t);
            }
        }
        const int h = G > 0 ? roundHalfEven(sum * 255 / G) : 0;
        if (k == start)
            atStart(d);
        if (h < 1)
            continue;
        visit(k, f, e, h, arrowColour(flags, baza), d);
        d += 6;
    }
    return d;
}

std::string fixed(const char* pattern, double value) {
    return formatFloatDot(pattern, value);
}

constexpr Rgb kGrey{0x64, 0x64, 0x64};
constexpr Rgb kBlue{0x00, 0x00, 0xFF};
constexpr Rgb kRed{0xFF, 0x00, 0x00};
constexpr Rgb kGreen{0x00, 0x80, 0x00};
constexpr Rgb kXColour{0x24, 0xEA, 0x03};
constexpr Rgb kYColour{0xFF, 0xC4, 0x55};
constexpr Rgb kZColour{0x00, 0xA0, 0xFF};

MomentRun componentsRun(int x, const std::string& name, const Moment& m, Rgb separator,
                        bool complex) {
    MomentRun run{x, {{name + "=(", separator}, {fixed("0.000", m.x), kXColour}}};
    if (complex) {
        run.pieces.push_back({", ", separator});
        run.pieces.push_back({fixed("0.000", m.y), kYColour});
    }
    run.pieces.push_back({", ", separator});
    run.pieces.push_back({fixed("0.000", m.z), kZColour});
    run.pieces.push_back({")", separator});
    return run;
}

std::string anglesText(const MomentAngles& a, bool complex) {
    std::string text = "\\a=" + fixed("0.00", a.alpha) + "^o";
    if (complex)
        text += ", \\b=" + fixed("0.00", a.beta) + "^o";
    return text;
}

} // namespace

Rgb blendIntensity(int h, Rgb colour) {
    const double t = h / 255.0;
    auto channel = [t](std::uint8_t c) {
        const double v = t >= 0.5 ? (1.75 - 1.5 * t) * c : 2 * t * c + (1 - 2 * t) * 255;
        return static_cast<std::uint8_t>(std::clamp(roundHalfEven(v), 0, 255));
    };
    return {channel(colour.r), channel(colour.g), channel(colour.b)};
}

std::vector<SceneItem> transitionArrow(int x, int y0, int y1, Rgb colour, Rgb background) {
    std::vector<SceneItem> items;
    items.emplace_back(SceneLine{{x, y0}, {x, y1}, colour});
    if (y0 == y1) {
        for (int r = 3; r >= 1; --r)
            items.emplace_back(SceneCircle{{x, y0}, 2 * r, colour, background});
        return items;
    }
    const int direction = y1 < y0 ? 1 : -1;
    for (int i = 1; i <= 3; ++i)
        items.emplace_back(
            SceneLine{{x - i, y1 + direction * i}, {x + i, y1 + direction * i}, colour});
    return items;
}

std::vector<TransitionArrowSpec> transitionArrows(const TransitionStrengths& strengths, int N,
                                                  int baza, const StrengthMask& shown,
                                                  const ArrowArea& area) {
    const int start = area.scrollShown ? 10 * area.scrollPosition : 1;
    int c = 0;
    std::vector<TransitionArrowSpec> arrows;
    walkPairs(
        strengths, N, baza, shown, start, [&c](int d) { c = d - 10; },
        [&](int k, int f, int e, int h, Rgb colour, int d) {
            const int x = d - c + area.left;
            if (k >= start && x < area.bandLeft)
                arrows.push_back({x, f, e, h, blendIntensity(h, colour)});
        });
    return arrows;
}

int transitionArrowsEnd(const TransitionStrengths& strengths, int N, int baza,
                        const StrengthMask& shown, int left) {
    return walkPairs(
               strengths, N, baza, shown, 0, [](int) {}, [](int, int, int, int, Rgb, int) {}) +
           left;
}

int overlayScrollExtent(int diagramWidth, int N, int cialo) {
    return std::max((cialo == 2 ? 1711 : 1431) - diagramWidth, N * N);
}

GroupMoment groupMoment(const LevelTables& tables, int first, int last, int baza, double gJ) {
    first = std::clamp(first, 1, kMaxLevels);
    last = std::clamp(last, first, kMaxLevels);
    const double count = last - first + 1;
    auto average = [&](auto column) {
        Moment m;
        double* parts[3] = {&m.x, &m.y, &m.z};
        const Axis axes[3] = {Axis::x, Axis::y, Axis::z};
        for (int a = 0; a < 3; ++a) {
            const AxisLevels& levels = tables.axis(axes[a]);
            double sum = 0;
            for (int i = first; i <= last; ++i)
                sum += (levels.*column)[static_cast<std::size_t>(i)];
            *parts[a] = sum / count;
        }
        return m;
    };
    GroupMoment g;
    if (baza == 2) {
        g.total = average(&AxisLevels::M);
        if (gJ != 0) {
            const double share = 2 * (gJ - 1) / gJ;
            g.spin = {share * g.total.x, share * g.total.y, share * g.total.z};
            g.orbital = {g.total.x - g.spin.x, g.total.y - g.spin.y, g.total.z - g.spin.z};
        }
        return g;
    }
    g.orbital = average(&AxisLevels::L);
    const Moment s = average(&AxisLevels::S);
    g.spin = {kElectronG * s.x, kElectronG * s.y, kElectronG * s.z};
    g.total = {g.orbital.x + g.spin.x, g.orbital.y + g.spin.y, g.orbital.z + g.spin.z};
    return g;
}

MomentAngles momentAngles(const Moment& m, int cialo) {
    MomentAngles a;
    if (cialo != 2) {
        a.magnitude = std::sqrt(m.x * m.x + m.z * m.z);
        a.alpha = std::atan2(m.z, m.x) * kDegrees;
        return a;
    }
    a.magnitude = std::sqrt(m.x * m.x + m.y * m.y + m.z * m.z);
    if (a.magnitude != 0) {
        a.alpha = std::acos(std::clamp(m.z / a.magnitude, -1.0, 1.0)) * kDegrees;
        a.beta = std::atan2(m.y, m.x) * kDegrees;
        if (a.beta < 0)
            a.beta += 360;
    }
    return a;
}

std::vector<MomentRun> momentTexts(const GroupMoment& moment, int cialo) {
    const bool complex = cialo == 2;
    const MomentAngles total = momentAngles(moment.total, cialo);
    const MomentAngles orbital = momentAngles(moment.orbital, cialo);
    const MomentAngles spin = momentAngles(moment.spin, cialo);
    auto magnitude = [](const char* name, const MomentAngles& a) {
        return std::string("<") + name + ">=" + fixed("0.0000", a.magnitude) + "\\m_B,  ";
    };
    std::vector<MomentRun> runs;
    MomentRun first{396, {{magnitude("m_t_o_t", total), kGrey}}};
    if (complex) {
        first.pieces.push_back({"\\a=" + fixed("0.00", total.alpha) + "^o, ", kBlue});
        first.pieces.push_back({"\\b=" + fixed("0.00", total.beta) + "^o", kGreen});
    } else {
        first.pieces.push_back({"\\a=" + fixed("0.00", total.alpha) + "^o", kBlue});
    }
    runs.push_back(std::move(first));
    runs.push_back(componentsRun(complex ? 656 : 586, "m_t_o_t", moment.total, kGrey, complex));
    runs.push_back(
        {complex ? 836 : 736, {{magnitude("m_L", orbital) + anglesText(orbital, complex), kRed}}});
    runs.push_back(componentsRun(complex ? 1086 : 916, "m_L", moment.orbital, kRed, complex));
    runs.push_back(
        {complex ? 1266 : 1066, {{magnitude("m_S", spin) + anglesText(spin, complex), kBlue}}});
    runs.push_back(componentsRun(complex ? 1516 : 1246, "m_S", moment.spin, kBlue, complex));
    return runs;
}

std::vector<LevelGroupSpan> rowGroups(const std::vector<LevelRow>& rows) {
    std::vector<LevelGroupSpan> groups;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (rows[k].groupCount == 1 || groups.empty())
            groups.push_back({static_cast<int>(k) + 1, static_cast<int>(k) + 1});
        else
            groups.back().last = static_cast<int>(k) + 1;
    }
    return groups;
}

} // namespace vintrel
