#include "input_files.h"

#include "ions.h"
#include "text_format.h"

#include <cstdio>

namespace vintrel::generator {

namespace {

std::string lines(std::initializer_list<std::string> items) {
    std::string text;
    for (const std::string& item : items) {
        text += item + "\r\n";
    }
    return text;
}

std::string flag(bool value) {
    return value ? "1" : "0";
}

std::string rtfEscaped(const std::string& text) {
    std::string out;
    for (unsigned char ch : text) {
        if (ch == '\\' || ch == '{' || ch == '}') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (ch >= 0x80) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\'%02x", ch);
            out += hex;
        } else {
            out += static_cast<char>(ch);
        }
    }
    return out;
}

} // namespace

std::string inputEText(const ResultRecipe& recipe) {
    const Ion& ion = ionByLabel(recipe.ion);
    return lines({std::to_string(ion.elementRow), std::to_string(ion.ionisation),
                  std::string(ion.configuration), std::to_string(recipe.baza),
                  std::to_string(recipe.cialo), shortestText(recipe.field),
                  shortestText(recipe.fieldAngle), shortestText(recipe.fieldAzimuth),
                  shortestText(recipe.lambda), std::to_string(recipe.symmetry),
                  flag(recipe.meanField), shortestText(recipe.exchange)});
}

std::string coefficientsText(const Coefficients& c) {
    std::string text;
    for (double value : c) {
        text += shortestText(value) + "\r\n";
    }
    return text;
}

std::string settingsText(const CalculationSettings& s) {
    return lines({shortestText(s.chiTmax),
                  std::to_string(s.chiPoints),
                  shortestText(s.spechTmax),
                  std::to_string(s.spechPoints),
                  shortestText(s.mfField0),
                  std::to_string(s.mfExtraPoints),
                  std::to_string(s.mfStepsBack),
                  std::to_string(s.mfMaxIter),
                  shortestText(s.mfTolerance),
                  shortestText(s.fieldComponents),
                  shortestText(s.fieldChi),
                  std::to_string(s.diagMaxIter),
                  shortestText(s.diagTolerance),
                  flag(s.uiOption1),
                  std::to_string(s.tableSize),
                  shortestText(s.fieldIncrement),
                  std::to_string(s.maxShapeSize),
                  flag(s.displayLists),
                  shortestText(s.spectroEmin),
                  shortestText(s.spectroEmax),
                  shortestText(s.spectroLmin),
                  shortestText(s.spectroLmax),
                  flag(s.uiOption2),
                  flag(s.uiOption3)});
}

std::string descriptionRtf(const std::string& text) {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Tahoma;}}\r\n"
                      "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        rtf += rtfEscaped(text.substr(start, end - start)) + "\\par\r\n";
        start = end + 1;
    }
    return rtf + "}\r\n";
}

} // namespace vintrel::generator
