#pragma once

#include "resultdata/result_variables.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vintrel {

inline constexpr const char* kInputEFile = "input_e.dup";
inline constexpr const char* kInputAnFile = "input_an.dup";
inline constexpr const char* kInputBnFile = "input_bn.dup";
inline constexpr const char* kInputSFile = "input_s.dup";
inline constexpr const char* kShippedSettingsFile = "input_s.df";
inline constexpr const char* kDescriptionFile = "descr.dup";

// Every reader throws InputError naming the file and line for a malformed number or a file
// that ends too early, and "Cannot open file <path>" for a required file that is missing. An
// empty file is a missing one (resultFilePresent).

/// Reads the 12 lines of "input_e.dup" into `vars`, with the derived fields: `_ionvalue`
/// after line 2, `_dimension` after line 5 (0 when `siconf` is not a valid configuration),
/// the field components after line 8. A basis or Hamiltonian value other than 1 or 2 leaves
/// that field unchanged. An element row outside 1 … 118 is an error. On an error `vars` stays
/// as it was.
void readInputE(const std::filesystem::path& file, TVariables& vars);
/// The same on text held in memory; `name` stands for the file in error texts.
void readInputEText(const std::string& name, std::string_view content, TVariables& vars);

/// Reads a coefficient file: 27 values in slot order, or the older 16-value form (the file
/// ends after the 16th value: k = 2 for q = 0 … 2, k = 4 for q = 0 … 4, k = 6 for q = 0 … 6,
/// one unused value; every negative-q slot 0).
coeffsarray readCoefficients(const std::filesystem::path& file);
coeffsarray readCoefficientsText(const std::string& name, std::string_view content);

/// Reads a settings file ("input_s.dup" or "input_s.df"); the fields of lines the file does
/// not reach keep their start values, so a missing or empty file gives the start values. Byte
/// fields keep the low eight bits of the number.
TResultSettings readResultSettings(const std::filesystem::path& file);
TResultSettings readResultSettingsText(const std::string& name, std::string_view content);

/// Everything `loadResultInputs` reads for one result.
struct ResultInputs {
    TVariables variables;
    TResultSettings settings;
    MeanFieldTemperatures meanField;
};

/// Where the files of a result are: the working root, the result folder's name inside it
/// (empty when no result is named) and the folder of the files shipped beside the program.
struct ResultLocation {
    std::filesystem::path workingRoot;
    std::string resultFolder;
    std::filesystem::path dataFolder;

    /// The result's folder, working root / result folder; empty without a result folder.
    std::filesystem::path folder() const {
        return resultFolder.empty() ? std::filesystem::path() : workingRoot / resultFolder;
    }
    bool sameResult(const ResultLocation& other) const {
        return workingRoot == other.workingRoot && resultFolder == other.resultFolder;
    }
};

/// Reads "input_e.dup", "input_an.dup" and "input_bn.dup" of a result folder, starting from
/// `previous`: without "input_e.dup" only `symmetry` changes (to 4); "input_an.dup" must
/// exist; a missing "input_bn.dup" gives zero coefficients.
TVariables readResultVariables(const std::filesystem::path& resultFolder, TVariables previous);

/// Copies "input_s.df" from the data folder into the working root when missing there, then
/// reads the result folder's "input_s.dup", or the working root's "input_s.df" when no result
/// folder is named.
TResultSettings readSettingsOf(const ResultLocation& location);

/// Reads the input files of a result, starting from `previous` (the values kept when the
/// folder has no "input_e.dup"; `symmetry` then becomes 4). "input_an.dup" must exist; a
/// missing "input_bn.dup" gives zero coefficients. The settings come from the folder's
/// "input_s.dup" (start values when it is missing), after "input_s.df" has been copied from the
/// data folder into the working root when missing there. With no result folder named only the
/// settings are read, from the working root's "input_s.df". The mean-field temperatures become 0
/// and `chi_tmax`.
ResultInputs readResultInputs(const ResultLocation& location, const TVariables& previous);

/// The description of a result ("descr.dup", rich text or plain text) as stored; nullopt when
/// the file is missing or empty, in which case the description editor keeps its text.
std::optional<std::string> readDescription(const std::filesystem::path& resultFolder);

/// readResultInputs into the shared records. On an error the shared records stay as they were
/// and the error propagates for the caller to show.
void loadResultInputs(const ResultLocation& location);

} // namespace vintrel
