#include "ion_model.h"

#include "stevens_operators.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace vintrel::generator {

namespace {

void fillFromMomenta(IonModel& m, const AngularMomentum& l, const AngularMomentum& s) {
    m.l = {l.x, l.y, l.z};
    m.s = {s.x, s.y, s.z};
    for (int a = 0; a < 3; ++a) {
        m.j[a] = m.l[a] + m.s[a];
        m.moment[a] = m.l[a] + kElectronG * m.s[a];
    }
    m.lPlus = l.plus;
    m.lMinus = l.minus;
    m.sPlus = s.plus;
    m.sMinus = s.minus;
    m.jPlus = l.plus + s.plus;
    m.jMinus = l.minus + s.minus;
}

void buildOrbitalSpinBasis(IonModel& m, const ResultRecipe& recipe) {
    const AngularMomentum lFree = angularMomentum(m.term.L, ProjectionOrder::Descending);
    const AngularMomentum sFree = angularMomentum(m.term.S, ProjectionOrder::Descending);
    const AngularMomentum l = embedOuter(lFree, sFree.dimension());
    const AngularMomentum s = embedInner(sFree, lFree.dimension());
    fillFromMomenta(m, l, s);
    m.crystalField = kron(crystalField(recipe.b, lFree),
                          CMatrix::Identity(sFree.dimension(), sFree.dimension()));
    m.spinOrbit = recipe.lambda * (l.x * s.x + l.y * s.y + l.z * s.z);
}

void buildMultipletBasis(IonModel& m, const ResultRecipe& recipe) {
    const AngularMomentum j = angularMomentum(m.term.J, ProjectionOrder::Ascending);
    const double g = m.term.gJ;
    m.j = {j.x, j.y, j.z};
    for (int a = 0; a < 3; ++a) {
        m.s[a] = (g - 1) * m.j[a];
        m.l[a] = (2 - g) * m.j[a];
        m.moment[a] = g * m.j[a];
    }
    m.jPlus = j.plus;
    m.jMinus = j.minus;
    m.sPlus = (g - 1) * j.plus;
    m.sMinus = (g - 1) * j.minus;
    m.lPlus = (2 - g) * j.plus;
    m.lMinus = (2 - g) * j.minus;
    m.crystalField = crystalField(recipe.b, j);
    m.spinOrbit = CMatrix::Zero(j.dimension(), j.dimension());
}

void checkReal(const IonModel& m) {
    const CMatrix h = m.hamiltonian();
    if (h.imag().cwiseAbs().maxCoeff() > 1e-12) {
        throw std::invalid_argument("a real Hamiltonian needs m >= 0 coefficients and no field "
                                    "component along y");
    }
}

} // namespace

CMatrix IonModel::zeemanTerm(const Vector3& b) const {
    CMatrix z = CMatrix::Zero(dimension(), dimension());
    for (int a = 0; a < 3; ++a) {
        if (b[a] != 0.0) {
            z += kBohrMagnetonK * b[a] * moment[a];
        }
    }
    return z;
}

Vector3 fieldComponents(double magnitude, double angle, double azimuth) {
    const double rad = std::numbers::pi / 180;
    return {magnitude * std::sin(angle * rad) * std::cos(azimuth * rad),
            magnitude * std::sin(angle * rad) * std::sin(azimuth * rad),
            magnitude * std::cos(angle * rad)};
}

IonModel buildModel(const ResultRecipe& recipe) {
    const Ion& ion = ionByLabel(recipe.ion);
    IonModel m;
    m.baza = recipe.baza;
    m.complexHamiltonian = recipe.cialo == 2;
    m.term = groundTerm(ion.configuration);
    if (recipe.baza == 1) {
        buildOrbitalSpinBasis(m, recipe);
    } else if (recipe.baza == 2) {
        buildMultipletBasis(m, recipe);
    } else {
        throw std::invalid_argument("basis must be 1 or 2");
    }
    m.field = fieldComponents(recipe.field, recipe.fieldAngle, recipe.fieldAzimuth);
    m.zeeman = m.zeemanTerm(m.field);
    if (!m.complexHamiltonian) {
        checkReal(m);
    }
    return m;
}

Coefficients potentialCoefficients(const ResultRecipe& recipe) {
    const Ion& ion = ionByLabel(recipe.ion);
    const auto& theta = recipe.baza == 1 ? ion.stevensL : ion.stevensJ;
    Coefficients a{};
    for (int slot = 0; slot < kCoefficientCount; ++slot) {
        const int rank = slotRankIndex(slot).n / 2 - 1;
        const double scale = theta[rank] * ion.radial[rank];
        if (scale != 0.0) {
            a[slot] = recipe.b[slot] / scale;
        } else if (recipe.b[slot] != 0.0) {
            throw std::invalid_argument("a crystal-field parameter of a rank the ion lacks");
        }
    }
    return a;
}

} // namespace vintrel::generator
