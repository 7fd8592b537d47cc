#pragma once

#include "result_recipe.h"

#include <string>
#include <vector>

namespace vintrel::generator {

/// One container to write: its file name under examples/, kind, description and results.
struct ExampleContainer {
    std::string fileName;
    bool meanField = false;
    std::string description;
    std::vector<ResultRecipe> results;
};

/// Ce3+ in a cubic field, |J,Jz> basis, real Hamiltonian; two results with different B_4^0.
ExampleContainer ceriumCubic();
/// Ti3+ (3d1) in a trigonal field with spin-orbit coupling, |L,S,Lz,Sz> basis, complex
/// Hamiltonian, field at an oblique angle.
ExampleContainer titaniumTrigonal();
/// Nd3+ in a tetragonal field with a ferromagnetic molecular field that orders inside the
/// temperature range.
ExampleContainer neodymiumMeanField();

/// All shipped examples.
std::vector<ExampleContainer> allExamples();

} // namespace vintrel::generator
