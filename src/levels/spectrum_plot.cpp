#include "levels/spectrum_plot.h"

#include "base/number_pattern.h"
#include "base/number_text.h"
#include "base/rounding.h"
#include "levels/diagram_geometry.h"

#include <algorithm>
#include <cmath>

namespace vintrel {

namespace {

constexpr int kLeft = 100;
constexpr int kTop = 60;
constexpr Rgb kBackground{0xF9, 0xFA, 0xFB};
constexpr Rgb kFrame{0x80, 0x80, 0x80};
constexpr Rgb kOutside{0xC0, 0xC0, 0xC0};
constexpr Rgb kRed{0xFF, 0x00, 0x00};
constexpr Rgb kGridMajor{0xE1, 0xE1, 0xE1};
constexpr Rgb kGridMinor{0xF3, 0xF3, 0xF3};
constexpr Rgb kText{0x64, 0x64, 0x64};
constexpr Rgb kPaper{0xFF, 0xFF, 0xFF};

constexpr std::array<Rgb, kIntensityTypes> kLsColours{{{0x00, 0x00, 0xFF},
                                                       {0x99, 0x00, 0xFF},
                                                       {0x66, 0x66, 0x99},
                                                       {0xFF, 0x00, 0x00},
                                                       {0xFF, 0x00, 0x99},
                                                       {0x99, 0x00, 0x00},
                                                       {0x00, 0xAA, 0x00}}};
constexpr std::array<Rgb, 3> kJColours{
    {{0x00, 0xAA, 0x00}, {0x99, 0x99, 0x00}, {0x33, 0x66, 0x66}}};
constexpr std::array<const char*, kIntensityTypes> kLsCaptions{"L_z", "L_+", "L_-", "S_z",
                                                               "S_+", "S_-", "LS"};
constexpr std::array<const char*, 3> kJCaptions{"J_z", "J_+", "J_-"};

void addLimitShades(PlotScene& scene, const SpectrumPicture& p, const PixelRect& area) {
    const SpectrumFrame& f = p.frame;
    const bool wave = p.type == PlotType::waveLength;
    const double low = wave ? p.limits.lmin : toPlotUnit(p.type, p.limits.emin);
    const double high = wave ? p.limits.lmax : toPlotUnit(p.type, p.limits.emax);
    auto edge = [&](double limit, bool shadeLeft) {
        if (!(limit > f.plotMin && limit < f.plotMax))
            return;
        const int x = f.pixelOf(limit);
        const int from = shadeLeft ? area.left : x;
        const int to = shadeLeft ? x : area.right();
        scene.add(SceneRect{{from, area.top, to - from, area.height}, kOutside, true, kOutside});
        scene.add(ScenePolyline{{{x, area.top}, {x, area.bottom()}}, kRed, LineStyle::Dashed, 2});
    };
    edge(low, true);
    edge(high, false);
}

void addValueGrid(PlotScene& scene, const SpectrumFrame& f, const PixelRect& area) {
    constexpr int kLines = 32;
    for (int k = 0; k <= kLines; ++k) {
        const int y = f.rowOf(f.ymax * k / kLines);
        const bool major = k % 8 == 0;
        if (k > 0 && k < kLines)
            scene.add(SceneLine{
                {area.left + 1, y}, {area.right() - 1, y}, major ? kGridMajor : kGridMinor});
        scene.add(SceneLine{{area.left - (major ? 6 : 3), y}, {area.left, y}, kFrame});
        if (major)
            scene.add(SceneText{.text = std::to_string(100 * k / kLines),
                                .at = {80, y - 6},
                                .anchor = TextAnchor::TopRight,
                                .colour = kText});
    }
    scene.add(SceneText{.text = "  relative intensity (%)  ",
                        .at = {38, area.top + area.height / 2},
                        .anchor = TextAnchor::Centre,
                        .pointSize = 9,
                        .colour = kText,
                        .markup = true,
                        .vertical = true});
}

void addScaleGrid(PlotScene& scene, const SpectrumPicture& p, const PixelRect& area) {
    const SpectrumFrame& f = p.frame;
    const AxisSteps steps = axisSteps(f.plotMin, f.plotMax);
    ViewWindow w;
    w.estart = 0;
    w.view_emin = f.plotMin;
    w.view_emax = f.plotMax;
    for (double v : axisLineEnergies(w, steps.minor, steps.major)) {
        if (v <= f.plotMin || v >= f.plotMax)
            continue;
        const int x = f.pixelOf(v);
        scene.add(SceneLine{{x, area.top + 1}, {x, area.bottom() - 1}, kGridMinor});
    }
    for (double v : axisLineEnergies(w, steps.major, steps.major)) {
        if (v < f.plotMin || v > f.plotMax)
            continue;
        const int x = f.pixelOf(v);
        if (v > f.plotMin && v < f.plotMax)
            scene.add(SceneLine{{x, area.top + 1}, {x, area.bottom() - 1}, kGridMajor});
        scene.add(SceneLine{{x, area.bottom()}, {x, area.bottom() + 5}, kFrame});
        scene.add(SceneText{.text = formatFloatDot("0.##", v),
                            .at = {x, area.bottom() + 7},
                            .anchor = TextAnchor::TopCentre,
                            .colour = kText});
    }
    scene.add(SceneText{.text = std::string("  ") + plotTypeLook(p.type).item + "  ",
                        .at = {area.left + area.width / 2, area.bottom() + 24},
                        .anchor = TextAnchor::TopCentre,
                        .colour = kText});
}

void addColumns(PlotScene& scene, const SpectrumPicture& p) {
    const SpectrumFrame& f = p.frame;
    const std::vector<SpectrumColumn>& columns = *p.columns;
    const int types = intensityTypeCount(p.baza);
    // The rows of each column's stack: level k + 1 is the top of the k-th shown type.
    std::vector<int> shownTypes;
    for (int k = 0; k < types; ++k)
        if (p.shown[static_cast<std::size_t>(k)])
            shownTypes.push_back(k);
    const std::size_t levels = shownTypes.size() + 1;
    std::vector<int> rows(columns.size() * levels);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        double sum = 0;
        rows[c * levels] = f.rowOf(0);
        for (std::size_t s = 0; s < shownTypes.size(); ++s) {
            sum += columns[c].I[static_cast<std::size_t>(shownTypes[s])];
            rows[c * levels + s + 1] = f.rowOf(sum);
        }
    }
    // Type by type, lowest first: the parts of one colour are drawn together.
    for (std::size_t s = 0; s < shownTypes.size(); ++s) {
        const int k = shownTypes[s];
        const Rgb colour = intensityColour(k, p.baza);
        ScenePolyline polyline{{}, colour, LineStyle::Solid, 1};
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const int x = kLeft + static_cast<int>(c);
            const double I = columns[c].I[static_cast<std::size_t>(k)];
            const int before = rows[c * levels + s];
            const int after = rows[c * levels + s + 1];
            switch (p.style) {
            case PlotStyle::line:
                polyline.points.push_back({x, after});
                break;
            case PlotStyle::point:
                // A part too weak to lift the stack by a pixel adds no circle of its own.
                if (I != 0 && before != after)
                    scene.add(SceneCircle{{x, after}, 5, colour, colour});
                break;
            case PlotStyle::fill:
                if (I != 0 && before != after)
                    scene.add(SceneLine{{x, before}, {x, after}, colour});
                break;
            }
        }
        if (p.style == PlotStyle::line)
            scene.add(std::move(polyline));
    }
}

} // namespace

int SpectrumFrame::H4() const {
    return ((height - 105) / 4) * 4;
}

int SpectrumFrame::pixelOf(double position) const {
    const double span = plotMax - plotMin;
    const double a = span != 0 ? std::clamp((position - plotMin) / span, -1.0, 2.0) : 0.0;
    return roundHalfEven(columnCount() * a + kLeft);
}

int SpectrumFrame::rowOf(double value) const {
    const int h4 = H4();
    const double scale = ymax != 0 ? (10.0 - h4) / ymax : 0.0;
    return std::max(roundHalfEven(value * scale + kTop + h4), kTop);
}

Rgb intensityColour(int type, int baza) {
    if (baza == 2 && type >= 0 && type < 3)
        return kJColours[static_cast<std::size_t>(type)];
    return kLsColours[static_cast<std::size_t>(std::clamp(type, 0, kIntensityTypes - 1))];
}

std::string intensityCaption(int type, int baza) {
    if (baza == 2 && type >= 0 && type < 3)
        return kJCaptions[static_cast<std::size_t>(type)];
    return kLsCaptions[static_cast<std::size_t>(std::clamp(type, 0, kIntensityTypes - 1))];
}

PlotScene spectrumScene(const SpectrumPicture& p) {
    const SpectrumFrame& f = p.frame;
    PlotScene scene;
    scene.width = f.width;
    scene.height = f.height;
    scene.add(SceneRect{{0, 0, f.width, f.height}, kPaper, true, kPaper});
    const int n = f.columnCount();
    const int h4 = f.H4();
    if (n <= 0 || h4 <= 10)
        return scene;
    if (p.noTransitions) {
        const int w = 260, h = 40;
        scene.add(
            SceneRect{{(f.width - w) / 2, (f.height - h) / 2, w, h}, kFrame, true, kBackground});
        scene.add(SceneText{.text = kNoTransitions,
                            .at = {f.width / 2, f.height / 2},
                            .anchor = TextAnchor::Centre,
                            .pointSize = 9,
                            .colour = kText});
        return scene;
    }
    const PixelRect area{kLeft, kTop, n, h4};
    scene.add(SceneRect{area, kFrame, true, kBackground});
    addLimitShades(scene, p, area);
    addValueGrid(scene, f, area);
    addScaleGrid(scene, p, area);
    if (p.columns)
        addColumns(scene, p);
    scene.add(SceneRect{area, kFrame, false, {}});
    return scene;
}

std::vector<PeakLabel> peakLabels(const std::vector<MergedTransition>& lines,
                                  const std::vector<SpectrumColumn>& columns,
                                  const SpectrumFrame& frame, const TypeMask& shown, int baza,
                                  PlotPixel click) {
    std::vector<PeakLabel> labels;
    const int n = std::min(frame.columnCount(), static_cast<int>(columns.size()));
    if (n <= 0)
        return labels;
    for (const MergedTransition& line : lines) {
        const int pixel = frame.pixelOf(line.x);
        if (pixel < kLeft || pixel > frame.width - 70)
            continue;
        const int c = pixel - kLeft;
        double v = 0;
        for (int k = std::max(c - 1, 0); k <= std::min(c + 1, n - 1); ++k)
            v = std::max(v, stackedTotal(columns[static_cast<std::size_t>(k)], shown, baza));
        const int row = frame.rowOf(v);
        if (std::abs(click.x - pixel) + std::abs(click.y - row) < 20) {
            // Lines on the same pixel get their labels one above the other.
            int y = row - 10;
            for (const PeakLabel& other : labels)
                if (std::abs(other.at.x - pixel) <= 2)
                    y = std::min(y, other.at.y - 10);
            labels.push_back({{pixel, y}, floatToStrDot(line.x)});
        }
    }
    return labels;
}

std::vector<SceneItem> spectrumMarks(const SpectrumFrame& frame, const SpectrumMarks& marks) {
    std::vector<SceneItem> items;
    const int top = kTop;
    const int bottom = kTop + frame.H4();
    auto dotted = [&](int x) {
        items.emplace_back(SceneLine{{x, top}, {x, bottom}, kRed, LineStyle::Dotted});
    };
    if (marks.drag) {
        dotted(marks.drag->first);
        dotted(marks.drag->second);
    }
    if (marks.typedRange) {
        dotted(frame.pixelOf(marks.typedRange->first));
        dotted(frame.pixelOf(marks.typedRange->second));
    }
    for (const PeakLabel& label : marks.labels)
        items.emplace_back(SceneText{.text = label.text,
                                     .at = label.at,
                                     .anchor = TextAnchor::Centre,
                                     .pointSize = 7,
                                     .colour = kText});
    return items;
}

} // namespace vintrel
