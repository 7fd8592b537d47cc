#include "examples.h"

#include "text_format.h"

#include <cmath>
#include <string>

namespace vintrel::generator {

namespace {

void set(ResultRecipe& r, int n, int m, double value) {
    r.b[coefficientSlot(n, m)] = value;
}

ResultRecipe ceriumResult(const std::string& name, double b40, const std::string& ground) {
    ResultRecipe r;
    r.name = name;
    r.ion = "Ce3+";
    r.baza = 2;
    r.cialo = 1;
    r.symmetry = 0;
    set(r, 4, 0, b40);
    set(r, 4, 4, 5 * b40);
    r.description = "Ce3+ (4f1, 2F5/2) in a cubic crystal field, |J,Jz> basis.\n"
                    "H = B40 (O40 + 5 O44), B40 = " +
                    shortestText(b40) + " K: the " + ground +
                    " lies lowest; Gamma8 and Gamma7 are split by 360 |B40| = " +
                    shortestText(360 * std::abs(b40)) +
                    " K.\n"
                    "Sample result made by the Vintrel sample-result generator.";
    return r;
}

} // namespace

ExampleContainer ceriumCubic() {
    ExampleContainer c;
    c.fileName = "Ce-cubic.zrvn";
    c.description = "Ce3+ in a cubic crystal field: Gamma8 quartet and Gamma7 doublet";
    c.results = {ceriumResult("Ce3+ cubic Gamma8 ground", -1.5, "Gamma8 quartet"),
                 ceriumResult("Ce3+ cubic Gamma7 ground", 0.8, "Gamma7 doublet")};
    return c;
}

ExampleContainer titaniumTrigonal() {
    ResultRecipe r;
    r.name = "Ti3+ trigonal, spin-orbit, oblique field";
    r.ion = "Ti3+";
    r.baza = 1;
    r.cialo = 2;
    r.symmetry = 10;
    // Octahedron seen along its threefold axis (z), turned by 10 degrees about z, plus a
    // trigonal distortion B20.
    const double b4 = 150.0;
    const double turn = 3 * 10.0 * 3.14159265358979323846 / 180;
    set(r, 2, 0, 80.0);
    set(r, 4, 0, -b4);
    set(r, 4, 3, -20 * std::sqrt(2.0) * b4 * std::cos(turn));
    set(r, 4, -3, -20 * std::sqrt(2.0) * b4 * std::sin(turn));
    r.lambda = 220.0;
    r.field = 2.0;
    r.fieldAngle = 60.0;
    r.fieldAzimuth = 30.0;
    r.settings.chiTmax = 300;
    r.settings.chiPoints = 150;
    r.settings.spechTmax = 300;
    r.settings.spechPoints = 150;
    r.description = "Ti3+ (3d1, 2D) in a trigonally distorted octahedron, |L,S,Lz,Sz> basis "
                    "with spin-orbit coupling lambda = 220 K.\n"
                    "The threefold axis is z; the crystal-field frame is turned by 10 degrees "
                    "about z (B4-3 non-zero), and a field of 2 T points at 60 degrees from z, "
                    "azimuth 30 degrees, so the Hamiltonian is complex.\n"
                    "Sample result made by the Vintrel sample-result generator.";
    return {"Ti-LS-complex.zrvn", false, "Ti3+ 3d1 in a trigonal field, complex Hamiltonian", {r}};
}

ExampleContainer neodymiumMeanField() {
    ResultRecipe r;
    r.name = "Nd3+ tetragonal, mean field";
    r.ion = "Nd3+";
    r.baza = 2;
    r.cialo = 1;
    r.symmetry = 1;
    set(r, 2, 0, -1.0);
    set(r, 4, 0, -0.004);
    set(r, 4, 4, 0.03);
    set(r, 6, 0, 0.0001);
    set(r, 6, 4, 0.001);
    r.meanField = true;
    r.exchange = 2.0;
    r.settings.chiTmax = 40;
    r.settings.chiPoints = 80;
    r.settings.spechTmax = 40;
    r.settings.spechPoints = 80;
    r.settings.mfField0 = 10;
    r.settings.mfMaxIter = 400;
    r.settings.mfTolerance = 1e-10;
    r.description = "Nd3+ (4f3, 4I9/2) in a tetragonal crystal field, |J,Jz> basis, with a "
                    "ferromagnetic molecular field B_mol = n_ex m, n_ex = 2 T/mu_B.\n"
                    "The easy axis is z; the moment orders below T_c (see d_temp.dup).\n"
                    "Sample result made by the Vintrel sample-result generator.";
    return {"Nd-meanfield.mfa", true, "Nd3+ tetragonal mean-field calculation", {r}};
}

std::vector<ExampleContainer> allExamples() {
    return {ceriumCubic(), titaniumTrigonal(), neodymiumMeanField()};
}

} // namespace vintrel::generator
