#pragma once

#include "examples.h"
#include "result_generator.h"

#include <vector>

namespace vintrel::generator::test {

/// Every shipped example result, generated once per test run.
inline const std::vector<GeneratedResult>& generatedExamples() {
    static const std::vector<GeneratedResult> results = [] {
        std::vector<GeneratedResult> all;
        for (const ExampleContainer& c : allExamples()) {
            for (const ResultRecipe& recipe : c.results) {
                all.push_back(generateResult(recipe));
            }
        }
        return all;
    }();
    return results;
}

/// The ordinary (not mean-field) example results.
inline std::vector<const GeneratedResult*> ordinaryExamples() {
    std::vector<const GeneratedResult*> out;
    for (const GeneratedResult& r : generatedExamples()) {
        if (!r.recipe.meanField) {
            out.push_back(&r);
        }
    }
    return out;
}

inline const GeneratedResult& meanFieldExample() {
    for (const GeneratedResult& r : generatedExamples()) {
        if (r.recipe.meanField) {
            return r;
        }
    }
    throw std::logic_error("no mean-field example");
}

} // namespace vintrel::generator::test
