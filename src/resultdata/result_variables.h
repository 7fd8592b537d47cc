#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vintrel {

/// Crystal-field coefficients of rank k = 2, 4, 6 for q = -k … k, rank by rank in increasing q.
/// Slot numbers counted from 1 are base + q with base 3 (k = 2), 10 (k = 4) and 21 (k = 6).
using coeffsarray = std::array<double, 27>;

/// Index (from 0) of the slot of rank k and component q in a coeffsarray; -1 when k is not
/// 2, 4 or 6 or |q| > k.
int coefficientSlot(int k, int q);

/// One "0" or "1" per coeffsarray slot (at most 27 characters).
using masktype = std::string;

/// The result variables of the current result ("input_e.dup", "input_an.dup", "input_bn.dup"
/// and the values derived from them). The member initialisers are the start values.
struct TVariables {
    std::int32_t element = 1;    ///< row in the element table, from 1
    std::int32_t ionisation = 0; ///< position in the element's list of charges, from 0
    std::string siconf;          ///< open-shell configuration in label markup, e.g. "4f^1^3"
    std::int32_t _ionvalue = 0;  ///< the ion charge (ionCharge), -1 when not listed
    std::uint8_t baza = 1;       ///< 1: basis L, S, Lz, Sz; 2: basis L, S, J, Jz
    std::uint8_t cialo = 1;      ///< Hamiltonian matrix: 1 real, 2 complex
    double magfield = 0;         ///< external field, magnitude
    double magangle = 0;         ///< angle of the field from the z axis, degrees
    double magangle2 = 0;        ///< azimuth of the field in the x-y plane, degrees
    double _magfield_x = 0;
    double _magfield_y = 0;
    double _magfield_z = 0;
    double lambda = 0;           ///< spin-orbit coupling constant
    std::int32_t symmetry = 12;  ///< crystal symmetry code; 4 when there is no "input_e.dup"
    bool dynamic_calc = false;   ///< a mean-field (temperature-dependent) result
    double dynamic_n_ex = 0;     ///< mean-field exchange parameter
    coeffsarray wsp_A{};         ///< first coefficient set ("input_an.dup")
    coeffsarray _wsp_B{};        ///< second coefficient set ("input_bn.dup"), zeros when absent
    std::int32_t _dimension = 0; ///< dimension of the basis (termValues)
    masktype elemmask;           ///< slots allowed by the open shell and basis
    masktype symmask;            ///< slots allowed by the symmetry
    double ionradius2 = 0;       ///< <r^2>, <r^4>, <r^6>: carried, never filled
    double ionradius4 = 0;
    double ionradius6 = 0;
    double coef_alpha = 0; ///< Stevens factors: carried, never filled
    double coef_beta = 0;
    double coef_gamma = 0;

    bool operator==(const TVariables&) const = default;
};

/// The calculation settings of the current result ("input_s.dup", 24 lines in this order).
/// The member initialisers are the start values, kept for lines a file does not reach.
struct TResultSettings {
    double chi_tmax = 200;
    std::int32_t chi_points = 200;
    double spech_tmax = 280;
    std::int32_t spech_points = 200;
    double mf_field0 = 10;
    std::int32_t mf_extra_points = 1;
    std::int32_t mf_steps_back = 1;
    std::int32_t mf_max_iter = 100;
    double mf_tolerance = 1e-4;
    double field_components = 0.1;
    double field_chi = 0.01;
    std::int32_t diag_max_iter = 2000;
    double diag_tolerance = 1e-14;
    bool ui_option1 = false;
    std::uint8_t table_size = 2;
    double field_increment = 0.1;
    std::uint8_t max_shape_size = 5;
    bool display_lists = false;
    double spectro_emin = 0.01;
    double spectro_emax = 50000;
    double spectro_lmin = 0.1;
    double spectro_lmax = 100000000;
    bool ui_option2 = false;
    bool ui_option3 = false;

    bool operator==(const TResultSettings&) const = default;
};

/// The two temperatures that the mean-field pages share; reset whenever a result is loaded.
struct MeanFieldTemperatures {
    double first = 0;
    double second = 0;
};

/// The single shared instances that describe the current result.
TVariables& sharedVariables();
TResultSettings& sharedSettings();
MeanFieldTemperatures& sharedMeanFieldTemperatures();

/// Resets the shared TVariables to the start values (done once at start).
inline void resetVariables() {
    sharedVariables() = TVariables{};
}

} // namespace vintrel
