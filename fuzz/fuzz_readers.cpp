// Feeds arbitrary bytes to the readers of a result folder's text files. The first three bytes
// choose the reader and its parameters, the rest is the file:
//   byte 0: the file kind (see Kind);
//   byte 1: the level count N, from -2 to 69 (beyond 1 … 66 on purpose), which also picks
//           the axis of the level data table; for "o_ham.dup" the number of states, N + 8 (up
//           to 77, beyond the 76 states of a complex Hamiltonian);
//   byte 2: bit 0 complex Hamiltonian, bit 1 basis 2 instead of 1, bit 2 "o_lsspec.dup"
//           present, bits 3-6 the block number from -1 to 14 (for the graph files: which
//           settings file the bytes are read as).
// A reader may refuse a text with InputError; any other exception, crash, leak, undefined
// behaviour or a broken promise about the tables it fills is a bug.
#include "base/measured_data.h"
#include "graphs/axis_range.h"
#include "graphs/curie_weiss.h"
#include "graphs/derived_curves.h"
#include "graphs/graph_settings.h"
#include "graphs/graph_tables.h"
#include "graphs/mean_field_plots.h"
#include "graphs/plot_component.h"
#include "graphs/temperature_plot.h"
#include "hamiltonian/ham_data.h"
#include "hamiltonian/ham_grid_texts.h"
#include "hamiltonian/ham_matrices.h"
#include "hamiltonian/ham_texts.h"
#include "levels/detail_texts.h"
#include "levels/level_data.h"
#include "levels/level_file_cache.h"
#include "levels/level_tables.h"
#include "levels/mean_field_levels.h"
#include "levels/spectro_range.h"
#include "levels/spectrum.h"
#include "levels/spectrum_plot.h"
#include "levels/transition_files.h"
#include "levels/transition_strengths.h"
#include "parameters/parameter_data.h"
#include "resultdata/dup_reader.h"
#include "resultdata/input_files.h"
#include "resultdata/ion_radii.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

namespace {

using namespace vintrel;
namespace fs = std::filesystem;

enum class Kind {
    inputE,       ///< "input_e.dup"
    coefficients, ///< "input_an.dup", "input_bn.dup"
    settings,     ///< "input_s.dup"
    levels,       ///< "o_E.dup": level tables, energy range, detail windows
    strengths,    ///< "o_neu.dup": strength tables, scattering window
    ionRadii,     ///< "ionradii.txt"
    folder,       ///< the bytes as one file of a result folder, read through the file readers
    hamiltonian,  ///< "o_ham.dup": matrices, cell texts, the data table
    graphs,       ///< a graph settings file, the susceptibility and specific-heat files
    transitions,  ///< "o_neu.dup" made into a transition list, "o_spectro.dup", "g_spectro.dup"
    measured,     ///< a measured column file: its columns against a curve, a Curie–Weiss fit
    count
};

struct Request {
    Kind kind;
    int N;
    bool complexHamiltonian;
    int baza;
    bool withLs;
    int block;
    std::string_view content;
};

void check(bool promise) {
    if (!promise)
        std::abort();
}

void checkTables(const LevelTables& tables, int N) {
    for (const AxisLevels& axis : tables.axes) {
        check(axis.count >= 0 && axis.count <= kMaxLevels && axis.count <= std::max(N, 0));
        for (int i = 1; i <= axis.count; ++i)
            check(std::isfinite(axis.E[i]) && !axis.EText[i].empty());
    }
}

void checkRange(const EnergyRange& range) {
    check(std::isfinite(range.estart) && std::isfinite(range.eend) && range.estart <= range.eend);
}

// Levels two by two at 0, 10, 20 … K, so that a text can hit a group or miss it.
AxisLevels pairedLevels() {
    AxisLevels levels;
    for (int i = 1; i <= kMaxLevels; ++i)
        levels.E[i] = 10.0 * ((i - 1) / 2);
    levels.count = kMaxLevels;
    return levels;
}

void readLevelFile(const Request& r) {
    LevelTables tables;
    readLevelTablesText("o_E.dup", r.content, r.block, r.N, r.complexHamiltonian, tables);
    checkTables(tables, r.N);
    checkRange(scanEnergyRangeText("o_E.dup", r.content, r.block, r.N, r.complexHamiltonian));
    for (const AxisLevels& axis : tables.axes)
        check(findLevelIndex(axis, axis.count, axis.E[1]) <= axis.count);
}

// The level table of the command line's data output on the same text: Ce3+ (N 6 or 14) or,
// for a complex Hamiltonian, Ti3+ (N 5 or 10).
void readLevelData(const Request& r) {
    TVariables vars;
    vars.siconf = r.complexHamiltonian ? "3d^1" : "4f^1";
    vars.baza = static_cast<std::uint8_t>(r.baza);
    vars.cialo = r.complexHamiltonian ? 2 : 1;
    LevelDataOptions options;
    options.axis = static_cast<Axis>((r.N + 2) % (r.complexHamiltonian ? 3 : 2));
    const DataTable table = levelDataTable(vars, "fuzz", "o_E.dup", r.content, options);
    check(table.rows.size() <= kMaxLevels);
    table.toCsv();
}

// The temperature steps of a mean-field result on the same text, which also stands for its
// "d_moment.dup" (read as far as it holds rows of five numbers), and what the page and the
// command line make of them.
void readMeanFieldSteps(const Request& r) {
    MeanFieldLevelTexts texts;
    texts.levels = &r.content;
    const int maxSteps = r.block + 20;
    MeanFieldLevels levels = parseMeanFieldLevels(texts, r.N, r.complexHamiltonian, 2, maxSteps);
    check(levels.steps.size() <= static_cast<std::size_t>(std::max(maxSteps, 0)));
    for (std::size_t k = 0; k < levels.steps.size(); ++k) {
        const MeanFieldStep& step = levels.steps[k];
        check(step.block == static_cast<int>(k));
        check(std::isfinite(step.T) && step.E.size() == static_cast<std::size_t>(r.N));
        check(!step.field);
    }
    if (levels.range)
        checkRange(*levels.range);
    const StepSelection selection = selectStep(levels.steps, r.block * 0.75, 0);
    check(selection.step < static_cast<int>(levels.steps.size()));
    check(selection.segment <= selection.step + 1);
    TVariables vars;
    vars.siconf = "4f^1";
    vars.dynamic_calc = true;
    meanFieldLevelsDataTable(vars, levels, "fuzz").toCsv();
    try {
        texts.moment = &r.content;
        levels = parseMeanFieldLevels(texts, r.N, r.complexHamiltonian, 2, maxSteps);
        for (const MeanFieldStep& step : levels.steps)
            check(!step.field || std::isfinite(*step.field));
    } catch (const InputError&) {
    }
}

void readDetailTexts(const Request& r) {
    check(eigenenergyLines(r.content, r.block).size() <= kMostDetailLines);
    check(eigenvectorLines(r.content, r.block).size() <= kMostDetailLines);
}

void readStrengthFile(const Request& r) {
    static const AxisLevels levels = pairedLevels();
    TransitionStrengths strengths;
    try {
        readTransitionStrengthsText("o_neu.dup", r.content, r.block, r.N, r.baza, r.withLs, levels,
                                    kMaxLevels, strengths);
    } catch (const InputError&) {
    }
    for (double maximum : strengths.maxima)
        check(std::isfinite(maximum) && maximum >= 0);
    check(scatteringLines(r.content, r.block).size() <= kMostDetailLines);
}

// The transition list made of the bytes as "o_neu.dup" is written and read back unchanged; the
// bytes as "o_spectro.dup" (and "o_lsspec.dup") give a spectrum of finite numbers on every
// scale and shape; the bytes as "g_spectro.dup" give a range or an InputError.
void readTransitionFiles(const Request& r) {
    try {
        const auto lines = upwardTransitions("o_neu.dup", r.content, r.N, r.baza);
        check(lines.size() <= static_cast<std::size_t>(kMaxLevels * kMaxLevels));
        const TransitionFileTexts texts = formatTransitionFiles(lines, r.baza);
        const auto back = parseTransitionLines("o_spectro.dup", texts.spectro, "o_lsspec.dup",
                                               texts.lsspec, r.baza);
        check(back.size() == lines.size());
        check(formatTransitionFiles(back, r.baza).spectro == texts.spectro);
    } catch (const InputError&) {
    }
    std::vector<TransitionLine> lines;
    try {
        lines = parseTransitionLines(
            "o_spectro.dup", r.content, "o_lsspec.dup",
            r.withLs ? std::optional<std::string_view>(r.content) : std::nullopt, r.baza);
    } catch (const InputError&) {
    }
    const TResultSettings settings;
    const auto populations =
        statePopulations(std::vector<double>(kMaxLevels, 0.0),
                         r.block < 0 ? std::nullopt : std::optional<double>(r.block));
    const auto type = static_cast<PlotType>((r.block + 1) % kPlotTypes);
    const auto merged = mergeTransitions(lines, populations, r.baza, type);
    const EnergyInterval range = rangeInPlotUnits(
        type, wholeRangeView(type, transitionEnergyRange(lines, settings), settings));
    SpectrumOptions options;
    options.type = type;
    options.shape = static_cast<LineShape>((r.block + 1) % 3);
    options.halfWidthK = options.halfWidthUnit = 0.5 * r.N;
    options.halfWidthInKelvin = r.complexHamiltonian;
    const auto columns =
        synthesizeSpectrum(merged, range.min, range.max, 200, options, spectrumLimits(settings));
    for (const SpectrumColumn& column : columns)
        for (double v : column.I)
            check(std::isfinite(v) && v >= 0);
    const SpectrumFrame frame{370, 400, range.min, range.max,
                              spectrumMaximum(columns, kAllTypes, r.baza)};
    (void)peakLabels(merged, columns, frame, kAllTypes, r.baza, {200, 200});
    try {
        (void)parseSpectroRange("g_spectro.dup", r.content);
    } catch (const InputError&) {
    }
}

// The reader keeps what it read before a failure; the sums, the cell texts and the table work
// on whatever it left, and nothing reaches beyond the states.
void readHamiltonianFile(const Request& r) {
    const int states = r.N + 8;
    HamiltonianMatrices matrices;
    matrices.reset(states, r.complexHamiltonian);
    check(matrices.size() <= kMaxMatrixSize);
    try {
        readHamiltonianText("o_ham.dup", r.content, matrices);
    } catch (const InputError&) {
    }
    const TermSet ticked = r.withLs ? TermSet::all() : TermSet{HamTerm::cef, HamTerm::zeeman};
    matrices.sum(ticked);
    HamGridTexts texts;
    texts.prepare(matrices, ticked, 75, [](std::string_view text, bool bold) {
        return int(text.size()) * (bold ? 8 : 7);
    });
    check(texts.states() <= 76 || !r.complexHamiltonian);
    for (int row : {1, states, states + 1})
        check((texts.lines(row, 1) == nullptr) == (row > texts.states() || texts.lineCount() == 0));
    elementHint(matrices, states, 1);
    HamiltonianResult result;
    result.matrices = matrices;
    check(hamiltonianDataTable(result, "fuzz", ticked).rows.size() ==
          (matrices.fits() ? std::size_t(states) * std::size_t(states) : 0u));
}

const fs::path& scratch() {
    static const fs::path dir = [] {
        std::string pattern = (fs::temp_directory_path() / "vintrel-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return fs::path(pattern);
    }();
    return dir;
}

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The bytes as one file of an otherwise complete result folder, read by the file readers, so
// that the empty file and the file rules are reached as well.
void readFolder(const Request& r) {
    static constexpr const char* kFiles[] = {kInputEFile,     kInputAnFile,     kInputBnFile,
                                             kInputSFile,     kLevelsFile,      kStrengthsFile,
                                             kLsSpectrumFile, kDescriptionFile, kHamiltonianFile};
    const fs::path root = scratch();
    const fs::path folder = root / "Result00";
    fs::remove_all(folder);
    fs::create_directories(folder);
    writeBytes(root / kShippedSettingsFile, "200\n");
    writeBytes(folder / kInputEFile, "58\n1\n4f^1\n2\n1\n0\n0\n0\n0\n7\n0\n0\n");
    writeBytes(folder / kInputAnFile, "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16\n");
    const auto file = static_cast<std::size_t>(r.block + 1) % std::size(kFiles);
    writeBytes(folder / kFiles[file], r.content);

    const ResultLocation location{root, "Result00", root};
    try {
        const ResultInputs inputs = readResultInputs(location, TVariables{});
        check(inputs.meanField.second == inputs.settings.chi_tmax);
    } catch (const InputError&) {
    }
    LevelFileCache cache;
    try {
        cache.refresh(folder, 0, r.N, r.complexHamiltonian);
    } catch (const InputError&) {
    }
    checkTables(cache.tables(), r.N);
    if (cache.range())
        checkRange(*cache.range());
    try {
        check(readGroundAxisEnergies(folder, r.N).size() <= kMaxLevels);
    } catch (const InputError&) {
    }
    try {
        TransitionStrengths strengths;
        readTransitionStrengths(folder, 0, r.N, r.baza, pairedLevels(), kMaxLevels, strengths);
    } catch (const InputError&) {
    }
    readDescription(folder);
    try {
        levelDataTable(location, "fuzz", {}).toCsv();
        parameterDataTable(location, "fuzz").toCsv();
    } catch (const InputError&) {
    } catch (const DataRequestError&) { // a mean-field result has neither page
    }
    try {
        hamiltonianDataTable(location, "fuzz", TermSet::all()).toCsv();
    } catch (const InputError&) {
    } catch (const FileError& e) { // no "o_ham.dup" (or an empty one): the command's exit 1
        check(std::string_view(e.what()) == kNoHamiltonianText);
    } catch (const DataRequestError&) { // a mean-field result
    }
}

// The bytes as a settings file of the kind the block picks, then as the three susceptibility
// files and "o_spc.dup", with the tables and the plot the pages make of them.
void readMeanFieldFiles(const Request& r, const TVariables& vars,
                        const std::optional<SpcData>& spc);

void readGraphFiles(const Request& r) {
    const auto kind = static_cast<GraphSettingsKind>((r.block + 1) % 7);
    try {
        const GraphSettings settings = parseGraphSettings(kind, "g.dup", r.content);
        check(std::isfinite(settings.axis.range) && std::isfinite(settings.axis.bottom));
        for (const xy_pts& m : settings.markers)
            check(std::isfinite(m.x) && std::isfinite(m.y));
        // What is written reads back to what was read (within the writer's 1e-6).
        const GraphSettings back =
            parseGraphSettings(kind, "g.dup", formatGraphSettings(kind, settings));
        check(back.markers.size() == settings.markers.size() || !settingsHaveMarkers(kind));
        check(back.axis.exponent == settings.axis.exponent);
    } catch (const InputError&) {
    }
    const AxisRange nice = niceRange(r.N * 0.37 - 0.5);
    check(rangeAcceptable(nice));
    TVariables vars;
    vars.cialo = r.complexHamiltonian ? 2 : 1;
    try {
        const std::string_view y = r.content;
        const ChiData chi = parseChiData({"x", "y", "z"}, r.content,
                                         r.complexHamiltonian ? &y : nullptr, r.content);
        for (const auto& inverse : chi.inverse)
            for (double v : inverse)
                check(v <= 1e9);
        susceptibilityDataTable(vars, chi, "fuzz").toCsv();
        if (chi.rowCount() > 0)
            peffDataTable(chi, vars, "fuzz", TemperaturePair{r.N * 1.0, 2.0 * r.N}).toCsv();
        TemperaturePlot plot;
        plot.T = &chi.T;
        plot.range = niceRange(chiDataRange(chi).chiMax);
        plot.curves.push_back({&chi.chi[0], {}});
        plot.clip = r.withLs ? ClipMode::AllSides : ClipMode::TopOnly;
        const PlotScene scene = buildTemperatureScene(plot, 640 + r.N, 480 - r.N);
        for (const SceneItem& item : scene.items)
            if (const auto* line = std::get_if<ScenePolyline>(&item))
                for (const PlotPixel& p : line->points)
                    check(std::abs(p.x) < 10000 && std::abs(p.y) < 10000);
    } catch (const InputError&) {
    }
    std::optional<SpcData> spc;
    try {
        spc = parseSpcData("o_spc.dup", r.content);
        heatDataTable(vars, *spc, "fuzz", DebyeOptions{r.N * 7.5, 1.0 + r.block}).toCsv();
        const SpcMaxima maxima = spcDataMaxima(*spc);
        check(maxima.c >= 1 && maxima.S >= 1);
    } catch (const InputError&) {
    }
    readMeanFieldFiles(r, vars, spc);
}

/// The mean-field files: moments, anisotropy constants, T_c, their ranges, the plot component
/// and the exported table.
void readMeanFieldFiles(const Request& r, const TVariables& vars,
                        const std::optional<SpcData>& spc) {
    try {
        const MomentData moment = parseMomentData("d_moment.dup", r.content);
        for (const auto& column : moment.m)
            for (double v : column)
                check(!(v < 0)); // absolute values
        check(rangeAcceptable(momentDefaultRange(moment)));
        MeanFieldData data;
        data.moment = moment;
        data.spc = spc;
        try {
            data.Tc = parseTransitionTemperature("d_temp.dup", r.content);
        } catch (const InputError&) {
        }
        meanFieldDataTable(vars, data, "fuzz").toCsv();
        TGraph graph;
        graph.addXaxisData(moment.T);
        graph.calcXaxisRange(0);
        for (int g = 0; g < 4; ++g) {
            graph.addYaxisData(g + r.block, moment.m[static_cast<std::size_t>(g)]);
            graph.setGraphVis(g + r.block, true);
            graph.setGraphStyle(g + r.block, r.N);
        }
        graph.setLastPlot(r.block);
        const DataRange y = graph.calcYaxisRange(-1, r.withLs ? 0 : 1);
        graph.calcAxisExp(y.min, y.max);
        graph.setShowExponent(true);
        graph.setYaxisDescr("(10^^ !m_B/T)");
        graph.addMarkers({{r.N * 1.0, 1.0}, {NAN, 2.0}, {1e300, -1e300}});
        const PlotScene scene = graph.scene(640 + r.N, 480 - r.N);
        for (const SceneItem& item : scene.items)
            if (const auto* line = std::get_if<ScenePolyline>(&item))
                for (const PlotPixel& p : line->points)
                    check(std::abs(p.x) < 10000 && std::abs(p.y) < 10000);
        const TransitionMarks marks =
            transitionMarks(graph, 640, 480, data.Tc, r.N * 1.0, {r.N, 2 * r.N});
        check(!marks.lineShown || (data.Tc && *data.Tc < r.N));
    } catch (const InputError&) {
    }
    try {
        const AnisoData aniso = parseAnisoData("d_aniso.dup", r.content);
        check(rangeAcceptable(anisotropyDefaultRange(aniso)));
    } catch (const InputError&) {
    }
}

// A measured file: a refused text is a MeasuredDataError; a read one has full columns, and its
// columns (chosen by N and the block) go through the comparison and the Curie–Weiss fit.
void readMeasured(const Request& r) {
    MeasuredTable table;
    try {
        table = parseMeasuredData("m.txt", r.content);
    } catch (const MeasuredDataError&) {
        return;
    }
    const std::size_t columns = table.columnCount();
    check(columns >= 1 && table.rowCount() >= 1);
    check(table.names.size() == columns && table.units.size() == columns);
    for (const auto& column : table.columns) {
        check(column.size() == table.rowCount());
        for (double v : column)
            check(std::isfinite(v));
    }
    check(std::is_sorted(table.lines.begin(), table.lines.end()));
    const std::size_t x = static_cast<std::size_t>(r.N + 2) % columns;
    const std::size_t y = static_cast<std::size_t>(r.block + 1) % columns;
    const MeasuredPoints points = measuredPoints(
        table, x, y, r.withLs ? std::optional<std::size_t>((y + 1) % columns) : std::nullopt);
    const std::vector<double> T = {0, 1, 10, 100, 300};
    const std::vector<double> curve = {5, 2, 0.5, NAN, 0.01};
    const Agreement a = compareWithCurve(points, T, curve, r.complexHamiltonian);
    check(a.points.size() == points.size() && a.compared <= points.size());
    check(a.compared == 0 ? std::isnan(a.rms) : !(a.rms < 0));
    agreementText(a);
    const CurieWeissFit fit =
        fitCurieWeiss(table.columns[x], table.columns[y], 0, table.rowCount() - 1, r.baza == 1);
    check(fit.ok() ? fit.points >= (fit.withChi0 ? 4u : 3u) : !fit.problem.empty());
    curieWeissSummary(fit);
}

void run(const Request& r) {
    switch (r.kind) {
    case Kind::inputE: {
        TVariables vars;
        const TVariables before = vars;
        try {
            readInputEText("input_e.dup", r.content, vars);
        } catch (const InputError&) {
            check(vars == before); // a failed read changes nothing
        }
        break;
    }
    case Kind::coefficients:
        for (double value : readCoefficientsText("input_an.dup", r.content))
            check(std::isfinite(value));
        break;
    case Kind::settings:
        readResultSettingsText("input_s.dup", r.content);
        break;
    case Kind::levels:
        try {
            readLevelFile(r);
        } catch (const InputError&) {
        }
        try {
            readLevelData(r);
        } catch (const InputError&) {
        }
        try {
            readMeanFieldSteps(r);
        } catch (const InputError&) {
        }
        readDetailTexts(r);
        break;
    case Kind::strengths:
        readStrengthFile(r);
        break;
    case Kind::ionRadii:
        parseIonRadii("ionradii.txt", r.content);
        break;
    case Kind::folder:
        readFolder(r);
        break;
    case Kind::hamiltonian:
        readHamiltonianFile(r);
        break;
    case Kind::graphs:
        readGraphFiles(r);
        break;
    case Kind::transitions:
        readTransitionFiles(r);
        break;
    case Kind::measured:
        readMeasured(r);
        break;
    case Kind::count:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 3)
        return 0;
    Request r;
    r.kind = static_cast<Kind>(data[0] % static_cast<int>(Kind::count));
    r.N = data[1] % 72 - 2;
    r.complexHamiltonian = (data[2] & 1) != 0;
    r.baza = (data[2] & 2) != 0 ? 2 : 1;
    r.withLs = (data[2] & 4) != 0;
    r.block = ((data[2] >> 3) & 0xF) - 1;
    r.content = std::string_view(reinterpret_cast<const char*>(data) + 3, size - 3);
    try {
        run(r);
    } catch (const InputError&) {
    }
    return 0;
}
