#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

inline constexpr const char* kIonRadiiFile = "ionradii.txt";

/// One radius line of "ionradii.txt".
struct radRec {
    int line = 0;     ///< line number in the file, from 1
    std::string elem; ///< element symbol
    int ion = 0;      ///< ion charge
    double r2 = 0;    ///< <r^2>, <r^4>, <r^6>
    double r4 = 0;
    double r6 = 0;
    std::string ref; ///< reference; a leading "[key]" gets the key's title appended
};

/// One reference line of "ionradii.txt": "[key] title".
struct bibRec {
    int line = 0;
    std::string item;  ///< from the line start up to and including the first "]"
    std::string title; ///< the rest, leading blanks removed
};

/// The table; texts are the file's bytes (Windows-1252), converted with cp1252ToUtf8 for
/// display.
struct IonRadiiTable {
    std::vector<radRec> radii;
    std::vector<bibRec> references;
};

/// Parses the text of an ion-radii file: blanks around lines are removed, empty lines and
/// lines starting with ";" skipped, lines starting with "[" are references, all others
/// "<symbol> <charge> <r2> <r4> <r6> [reference]". Bracketed references are then extended
/// with their titles. Throws InputError naming `name` and the line for a malformed line.
IonRadiiTable parseIonRadii(const std::string& name, std::string_view content);

/// Copies "ionradii.txt" from the data folder into the working root when missing there, then
/// reads the working root's copy. Throws FileError/InputError.
IonRadiiTable loadIonRadii(const std::filesystem::path& dataFolder,
                           const std::filesystem::path& workingRoot);

/// The values of one ion.
struct IonRadii {
    double r2 = 1;
    double r4 = 1;
    double r6 = 1;
    std::string ref;
};

/// The first record with this symbol (letter case ignored) and charge; 1, 1, 1 and an empty
/// reference when there is none.
IonRadii findIonRadii(const IonRadiiTable& table, std::string_view symbol, int charge);

/// One line per reference in file order: its key, a blank and its title.
std::vector<std::string> referenceListing(const IonRadiiTable& table);

/// The table read at start.
IonRadiiTable& sharedIonRadii();

} // namespace vintrel
