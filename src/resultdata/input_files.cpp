#include "resultdata/input_files.h"

#include "base/file_utils.h"
#include "resultdata/dup_reader.h"
#include "resultdata/element_table.h"
#include "resultdata/term_values.h"

namespace vintrel {

namespace fs = std::filesystem;

namespace {

std::uint8_t lowByte(std::int64_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::string configurationLine(DupReader& in) {
    std::string line = in.readLine();
    const std::size_t blank = line.find_first_of(" \t");
    if (blank != std::string::npos)
        line.resize(blank);
    return line;
}

void readBasisChoice(DupReader& in, std::uint8_t& field) {
    const std::int64_t value = in.readInteger();
    if (value == 1 || value == 2)
        field = static_cast<std::uint8_t>(value);
}

void convertShortCoefficients(const double (&values)[16], coeffsarray& slots) {
    slots.fill(0);
    for (int q = 0; q <= 2; ++q)
        slots[static_cast<std::size_t>(coefficientSlot(2, q))] = values[q];
    for (int q = 0; q <= 4; ++q)
        slots[static_cast<std::size_t>(coefficientSlot(4, q))] = values[3 + q];
    for (int q = 0; q <= 6; ++q)
        slots[static_cast<std::size_t>(coefficientSlot(6, q))] = values[8 + q];
}

void readInputEFrom(DupReader& in, TVariables& target) {
    TVariables vars = target;
    vars.element = in.readInt32();
    const ElementRow* row = elementRow(vars.element);
    if (row == nullptr)
        in.fail("element row " + std::to_string(vars.element) + " outside 1 to 118");
    vars.ionisation = in.readInt32();
    vars._ionvalue = ionCharge(row->charges, vars.ionisation);
    vars.siconf = configurationLine(in);
    readBasisChoice(in, vars.baza);
    readBasisChoice(in, vars.cialo);
    const auto term = termValues(vars.siconf, basisIndex(vars.baza, vars.cialo));
    vars._dimension = term ? term->dimension : 0;
    vars.magfield = in.readReal();
    vars.magangle = in.readReal();
    vars.magangle2 = in.readReal();
    const FieldVector field = fieldComponents(vars.magfield, vars.magangle, vars.magangle2);
    vars._magfield_x = field.x;
    vars._magfield_y = field.y;
    vars._magfield_z = field.z;
    vars.lambda = in.readReal();
    vars.symmetry = in.readInt32();
    vars.dynamic_calc = in.readInteger() != 0;
    vars.dynamic_n_ex = in.readReal();
    target = std::move(vars);
}

coeffsarray readCoefficientsFrom(DupReader& in) {
    coeffsarray slots{};
    double first[16];
    for (int i = 0; i < 16; ++i)
        first[i] = in.readReal();
    if (in.atEnd()) {
        convertShortCoefficients(first, slots);
        return slots;
    }
    for (int i = 0; i < 16; ++i)
        slots[static_cast<std::size_t>(i)] = first[i];
    for (std::size_t i = 16; i < slots.size(); ++i)
        slots[i] = in.readReal();
    return slots;
}

TResultSettings readResultSettingsFrom(DupReader& in) {
    TResultSettings s;
    const auto real = [&in](double& field) {
        if (!in.atEnd())
            field = in.readReal();
    };
    const auto integer = [&in](std::int32_t& field) {
        if (!in.atEnd())
            field = in.readInt32();
    };
    const auto byte = [&in](std::uint8_t& field) {
        if (!in.atEnd())
            field = lowByte(in.readInteger());
    };
    const auto flag = [&in](bool& field) {
        if (!in.atEnd())
            field = in.readInteger() == 1;
    };
    real(s.chi_tmax);
    integer(s.chi_points);
    real(s.spech_tmax);
    integer(s.spech_points);
    real(s.mf_field0);
    integer(s.mf_extra_points);
    integer(s.mf_steps_back);
    integer(s.mf_max_iter);
    real(s.mf_tolerance);
    real(s.field_components);
    real(s.field_chi);
    integer(s.diag_max_iter);
    real(s.diag_tolerance);
    flag(s.ui_option1);
    byte(s.table_size);
    real(s.field_increment);
    byte(s.max_shape_size);
    flag(s.display_lists);
    real(s.spectro_emin);
    real(s.spectro_emax);
    real(s.spectro_lmin);
    real(s.spectro_lmax);
    flag(s.ui_option2);
    flag(s.ui_option3);
    return s;
}

} // namespace

void readInputE(const fs::path& file, TVariables& vars) {
    DupReader in(file);
    readInputEFrom(in, vars);
}

void readInputEText(const std::string& name, std::string_view content, TVariables& vars) {
    DupReader in(name, content);
    readInputEFrom(in, vars);
}

coeffsarray readCoefficients(const fs::path& file) {
    DupReader in(file);
    return readCoefficientsFrom(in);
}

coeffsarray readCoefficientsText(const std::string& name, std::string_view content) {
    DupReader in(name, content);
    return readCoefficientsFrom(in);
}

TResultSettings readResultSettings(const fs::path& file) {
    const std::optional<std::string> content = readResultFile(file);
    if (!content)
        return TResultSettings{};
    DupReader in(file.string(), *content);
    return readResultSettingsFrom(in);
}

TResultSettings readResultSettingsText(const std::string& name, std::string_view content) {
    DupReader in(name, content);
    return readResultSettingsFrom(in);
}

TVariables readResultVariables(const fs::path& resultFolder, TVariables previous) {
    if (resultFilePresent(resultFolder / kInputEFile))
        readInputE(resultFolder / kInputEFile, previous);
    else
        previous.symmetry = 4;
    previous.wsp_A = readCoefficients(resultFolder / kInputAnFile);
    const fs::path second = resultFolder / kInputBnFile;
    previous._wsp_B = resultFilePresent(second) ? readCoefficients(second) : coeffsarray{};
    return previous;
}

TResultSettings readSettingsOf(const ResultLocation& location) {
    const fs::path shipped =
        copyWhenMissing(location.dataFolder, location.workingRoot, kShippedSettingsFile);
    if (location.resultFolder.empty())
        return readResultSettings(shipped);
    return readResultSettings(location.workingRoot / location.resultFolder / kInputSFile);
}

ResultInputs readResultInputs(const ResultLocation& location, const TVariables& previous) {
    ResultInputs result;
    result.variables =
        location.resultFolder.empty()
            ? previous
            : readResultVariables(location.workingRoot / location.resultFolder, previous);
    result.settings = readSettingsOf(location);
    result.meanField = {0, result.settings.chi_tmax};
    return result;
}

std::optional<std::string> readDescription(const fs::path& resultFolder) {
    return readResultFile(resultFolder / kDescriptionFile);
}

void loadResultInputs(const ResultLocation& location) {
    ResultInputs inputs = readResultInputs(location, sharedVariables());
    sharedVariables() = std::move(inputs.variables);
    sharedSettings() = inputs.settings;
    sharedMeanFieldTemperatures() = inputs.meanField;
}

} // namespace vintrel
