#include "result_generator.h"

#include "data_files.h"
#include "input_files.h"

#include <fstream>
#include <stdexcept>

namespace vintrel::generator {

namespace {

constexpr char kAxes[3] = {'x', 'y', 'z'};

AxisSections sectionsOf(const IonModel& model, const CMatrix& h, double probe) {
    return {axisSection(model, h, 0, probe), axisSection(model, h, 1, probe),
            axisSection(model, h, 2, probe)};
}

void addInputFiles(GeneratedResult& r) {
    r.files["input_e.dup"] = inputEText(r.recipe);
    r.files["input_an.dup"] = coefficientsText(potentialCoefficients(r.recipe));
    r.files["input_bn.dup"] = coefficientsText(r.recipe.b);
    r.files["input_s.dup"] = settingsText(r.recipe.settings);
    r.files["descr.dup"] = descriptionRtf(r.recipe.description);
}

void addOrdinaryFiles(GeneratedResult& r) {
    const CalculationSettings& s = r.recipe.settings;
    const CMatrix h = r.model.hamiltonian();
    r.sections = sectionsOf(r.model, h, s.fieldComponents);
    r.files["o_E.dup"] = levelBlock(r.model, r.sections, 0, std::nullopt);
    const TransitionTable table = transitionTable(r.model, r.sections[2]);
    r.files["o_neu.dup"] = neutronText(r.model, table);
    const SpectroTexts spectro = spectroTexts(r.model, table);
    r.files["o_spectro.dup"] = spectro.spectro;
    if (r.model.baza == 1) {
        r.files["o_lsspec.dup"] = spectro.lsspec;
    }
    const std::vector<double> chiGrid = temperatureGrid(s.chiTmax, s.chiPoints);
    for (int a = 0; a < 3; ++a) {
        r.chi[a] = susceptibility(r.model, a, susceptibilityField(r.recipe), chiGrid);
        r.files[std::string("o_chi_") + kAxes[a] + ".dup"] = chiText(kAxes[a], r.chi[a]);
    }
    for (double t : temperatureGrid(s.spechTmax, s.spechPoints)) {
        r.heat.push_back(heatRow(r.levels.energies, t));
    }
    r.files["o_spc.dup"] = heatText(r.heat);
    std::vector<MomentRow> moments;
    for (double t : chiGrid) {
        moments.push_back({t, thermalMoment(r.model, r.levels, t)});
    }
    r.files["d_moment.dup"] = momentText(moments);
    r.files["d_temp.dup"] = transitionTemperatureText(0);
    r.files["o_ham.dup"] = hamiltonianText(r.model);
}

void addMeanFieldFiles(GeneratedResult& r) {
    const MeanFieldRun& run = r.meanField.emplace(runMeanField(r.model, r.recipe));
    std::string levels;
    std::array<std::vector<ChiRow>, 3> chi;
    std::vector<MomentRow> moments;
    std::vector<AnisotropyRow> anisotropy;
    for (std::size_t k = 0; k < run.steps.size(); ++k) {
        const MeanFieldStep& step = run.steps[k];
        const AxisSections sections =
            sectionsOf(r.model, step.hamiltonian, r.recipe.settings.fieldComponents);
        levels += levelBlock(r.model, sections, static_cast<int>(k), step.t);
        for (int a = 0; a < 3; ++a) {
            chi[a].push_back({step.t, step.chi[a], 1 / step.chi[a], step.chi[a] * step.t});
        }
        r.heat.push_back(step.heat);
        moments.push_back({step.t, step.m});
        anisotropy.push_back(step.anisotropy);
    }
    r.chi = chi;
    r.files["o_E.dup"] = levels;
    for (int a = 0; a < 3; ++a) {
        r.files[std::string("o_chi_") + kAxes[a] + ".dup"] = chiText(kAxes[a], chi[a]);
    }
    r.files["o_spc.dup"] = heatText(r.heat);
    r.files["d_temp.dup"] = transitionTemperatureText(run.tc);
    r.files["d_moment.dup"] = momentText(moments);
    r.files["d_aniso.dup"] = anisotropyText(anisotropy);
}

} // namespace

GeneratedResult generateResult(const ResultRecipe& recipe) {
    GeneratedResult r;
    r.recipe = recipe;
    r.model = buildModel(recipe);
    r.levels = diagonalise(r.model.hamiltonian(), !r.model.complexHamiltonian);
    addInputFiles(r);
    if (recipe.meanField) {
        addMeanFieldFiles(r);
    } else {
        addOrdinaryFiles(r);
    }
    return r;
}

void writeResultFolder(const GeneratedResult& result, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const auto& [name, content] : result.files) {
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out) {
            throw std::runtime_error("cannot write " + (folder / name).string());
        }
    }
}

} // namespace vintrel::generator
