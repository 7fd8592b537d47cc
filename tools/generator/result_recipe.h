#pragma once

#include "stevens_operators.h"

#include <string>

namespace vintrel::generator {

/// The calculation settings of a result, one field per line of "input_s.dup".
struct CalculationSettings {
    double chiTmax = 200;
    int chiPoints = 200;
    double spechTmax = 280;
    int spechPoints = 200;
    double mfField0 = 10;
    int mfExtraPoints = 1;
    int mfStepsBack = 1;
    int mfMaxIter = 100;
    double mfTolerance = 1e-4;
    double fieldComponents = 0.1;
    double fieldChi = 0.01;
    int diagMaxIter = 2000;
    double diagTolerance = 1e-14;
    bool uiOption1 = false;
    int tableSize = 2;
    double fieldIncrement = 0.1;
    int maxShapeSize = 5;
    bool displayLists = false;
    double spectroEmin = 0.01;
    double spectroEmax = 50000;
    double spectroLmin = 0.1;
    double spectroLmax = 100000000;
    bool uiOption2 = false;
    bool uiOption3 = false;
};

/// Everything that defines one generated result.
struct ResultRecipe {
    std::string name;
    /// Plain text of the description; paragraphs separated by '\n'.
    std::string description;
    std::string ion;
    /// 1 = |L,S,Lz,Sz>, 2 = |J,Jz>.
    int baza = 2;
    /// 1 = real, 2 = complex Hamiltonian.
    int cialo = 1;
    /// Crystal-field parameters B_n^m in K, flat slot order.
    Coefficients b{};
    /// Spin-orbit constant in K (|L,S,Lz,Sz> basis only).
    double lambda = 0;
    /// External field: magnitude (T), angle from z and azimuth (degrees).
    double field = 0;
    double fieldAngle = 0;
    double fieldAzimuth = 0;
    /// Symmetry code of the parameters page.
    int symmetry = 4;
    bool meanField = false;
    /// Mean-field exchange parameter n_ex in T per Bohr magneton.
    double exchange = 0;
    CalculationSettings settings;
};

} // namespace vintrel::generator
