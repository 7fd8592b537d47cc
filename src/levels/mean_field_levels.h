#pragma once

#include "base/data_table.h"
#include "levels/level_file_cache.h"
#include "levels/level_tables.h"
#include "resultdata/input_files.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

// The level scheme of a mean-field result against temperature: "o_E.dup" holds one block per
// temperature step, its x marker line followed by a blank and the step's temperature. The
// blocks are read once into a table of steps; the page's slider only chooses one of them.

/// One temperature step: its block of "o_E.dup", its temperature and the energies of its z
/// section, and the molecular field at that temperature.
struct MeanFieldStep {
    int block = 0;
    double T = 0;          ///< from the block's marker line (K)
    std::vector<double> E; ///< number 1 of the z section's lines, lowest first (K)
    /// dynamic_n_ex × m_t of the "d_moment.dup" row whose temperature is T (tesla); nullopt
    /// when that file is missing or has no row at T.
    std::optional<double> field;
};

/// What the files of a mean-field result give the level page.
struct MeanFieldLevels {
    std::vector<MeanFieldStep> steps;
    int N = 0; ///< levels per step (the ground term's)
    /// The level range of block 0 over all its sections (scanEnergyRange); nullopt without
    /// "o_E.dup".
    std::optional<EnergyRange> range;
    std::optional<double> Tc; ///< first number of line 2 of "d_temp.dup"; nullopt without it
    bool hasMoments = false;  ///< "d_moment.dup" was there
    /// Why the steps end before the file does (a block with a short z section or an unreadable
    /// temperature); empty when they do not.
    std::string note;
};

/// The texts of the three files (null: the file is missing or empty) with the names that
/// stand for them in error texts.
struct MeanFieldLevelTexts {
    std::string levelsName = kLevelsFile;
    const std::string_view* levels = nullptr;
    std::string tempName = "d_temp.dup";
    const std::string_view* temp = nullptr;
    std::string momentName = "d_moment.dup";
    const std::string_view* moment = nullptr;
};

/// Reads the steps 0 … maxSteps − 1 (the settings' chi_points) of "o_E.dup" for N levels, the y
/// section being there only for a complex Hamiltonian; the steps end at the end of the file, at
/// a block that is missing, and at a block whose temperature cannot be read or whose z section
/// holds fewer than N levels (`note` says which). Each step's molecular field is `exchange` ×
/// the total moment of the "d_moment.dup" row with the step's temperature. Throws InputError for
/// a damaged "d_temp.dup" or "d_moment.dup" and for a text where a level's number should be.
MeanFieldLevels parseMeanFieldLevels(const MeanFieldLevelTexts& texts, int N,
                                     bool complexHamiltonian, double exchange, int maxSteps);

/// The same from the files of a result folder, for the result's variables and settings.
MeanFieldLevels readMeanFieldLevels(const std::filesystem::path& folder, const TVariables& vars,
                                    const TResultSettings& settings);

/// The step table of one result, read again only when one of its three files, the level count
/// or the settings that shape it change.
class MeanFieldLevelCache {
public:
    /// Brings the table up to date; true when the files were read again. On an error the table
    /// is empty and the error propagates.
    bool refresh(const std::filesystem::path& folder, const TVariables& vars,
                 const TResultSettings& settings);
    void invalidate() { stamp_.reset(); }
    const MeanFieldLevels& levels() const { return levels_; }

private:
    struct Stamp {
        std::filesystem::path folder;
        FileStamp levels, temp, moment;
        int N = 0;
        bool complexHamiltonian = false;
        double exchange = 0;
        int maxSteps = 0;
        bool operator==(const Stamp&) const = default;
    };
    std::optional<Stamp> stamp_;
    MeanFieldLevels levels_;
};

// ---- the temperature slider ----

/// The slider: its maximum (S − a(b − 1))·b for S temperature points, a = mf_extra_points and
/// b = mf_steps_back. A maximum of 0 or less leaves a disabled slider with the single position
/// 0; a maximum beyond the int range is cut to it.
struct TemperatureSlider {
    int maximum = 0;
    bool enabled = false;
};
TemperatureSlider temperatureSlider(std::int64_t S, std::int64_t a, std::int64_t b);

/// The temperature the slider stands for at `position`: T_first + position / maximum ×
/// (T_last − T_first); T_first when the slider has no positions.
double sliderTemperature(int position, int maximum, double Tfirst, double Tlast);

/// The slider's hint: "T=" the temperature (shortest decimal text) "K".
std::string sliderHint(double T);

/// The temperature axis of the diagram: from T_first to T_last, at least 1 K wide.
struct TemperatureAxis {
    double first = 0;
    double last = 1;
};
TemperatureAxis temperatureAxis(double Tfirst, double Tlast);

/// The diagram column of a temperature in a diagram of width W: T_first on column 40, T_last on
/// column W − 30.
int temperatureToColumn(double T, const TemperatureAxis& axis, int W);

/// The five labelled temperatures of the axis: T_first, a quarter, a half and three quarters
/// of the span, T_last.
std::vector<double> temperatureTicks(const TemperatureAxis& axis);

/// Which step the selected temperature falls on. The segment is the step k whose interval
/// [T[k−1], T[k]] (T[−1] = T_first) is the first to hold T_sel, the one drawn in green; the
/// selected step is the nearer end of that interval (the later one on a tie, step 0 for
/// k = 0), the one circled and named by every text and window. Past the last step the last
/// one is selected; without steps both are −1.
struct StepSelection {
    int segment = -1;
    int step = -1;
};
StepSelection selectStep(const std::vector<MeanFieldStep>& steps, double Tsel, double Tfirst);

// ---- the texts ----

/// "slider position:" "0.##" + " K".
std::string sliderPositionText(double Tsel);
/// "selected temperature:" "0.###" + " K".
std::string selectedTemperatureText(double T);
/// "molecular field value:" "0.##" + " T"; empty without a field.
std::string molecularFieldText(std::optional<double> field);
/// The first line of a detail window: "Temperature:  " + T (shortest decimal text) + " K".
std::string detailTemperatureLine(double T);

// ---- the table ----

/// The steps as `vintrel-cli data meanfield-levels` prints them: `step` (the block number),
/// `T [K]`, `B_mol [T]` (empty without a field), then `E1-E0 [K]` … `EN-E0 [K]`, the levels of
/// the step's z section above its lowest (so E1-E0 is 0). Comments: the result's, `T_c` (or
/// "not found") and `exchange parameter [T/muB]`.
DataTable meanFieldLevelsDataTable(const TVariables& vars, const MeanFieldLevels& levels,
                                   const std::string& resultName);
/// Reads the result's inputs and files; an ordinary result throws DataRequestError, a missing
/// or empty "o_E.dup" InputError "Cannot open file <path>".
DataTable meanFieldLevelsDataTable(const ResultLocation& location, const std::string& resultName);

} // namespace vintrel
