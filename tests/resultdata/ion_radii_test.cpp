#include "resultdata/ion_radii.h"

#include "resultdata/dup_reader.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using namespace vintrel;
namespace fs = std::filesystem;

namespace {

const char* const kRadii = "; comment line\n"
                           "\n"
                           "  Ce 3 1.309 3.964 23.31 [1]  \n"
                           "Nd\t+3   1.114  2.910 15.03   [2] extra\n"
                           "Pr 4 1 2 3 own words\n"
                           "Sm 3 1 2 3 [9]\n"
                           "[1]   First paper\n"
                           "[2] Second paper\n";

} // namespace

TEST(IonRadii, ReadsRadiusAndReferenceLines) {
    const IonRadiiTable t = parseIonRadii("ionradii.txt", kRadii);
    ASSERT_EQ(t.radii.size(), 4u);
    ASSERT_EQ(t.references.size(), 2u);
    const radRec& ce = t.radii[0];
    EXPECT_EQ(ce.line, 3);
    EXPECT_EQ(ce.elem, "Ce");
    EXPECT_EQ(ce.ion, 3);
    EXPECT_DOUBLE_EQ(ce.r2, 1.309);
    EXPECT_DOUBLE_EQ(ce.r4, 3.964);
    EXPECT_DOUBLE_EQ(ce.r6, 23.31);
    EXPECT_EQ(t.references[0].line, 7);
    EXPECT_EQ(t.references[0].item, "[1]");
    EXPECT_EQ(t.references[0].title, "First paper");
}

TEST(IonRadii, BracketedReferencesGetTheirTitles) {
    const IonRadiiTable t = parseIonRadii("ionradii.txt", kRadii);
    EXPECT_EQ(t.radii[0].ref, "[1] First paper"); // the reference line comes later
    EXPECT_EQ(t.radii[1].ref, "[2] extra Second paper");
    EXPECT_EQ(t.radii[2].ref, "own words");
    EXPECT_EQ(t.radii[3].ref, "[9]"); // no such key
    const std::vector<std::string> listing = {"[1] First paper", "[2] Second paper"};
    EXPECT_EQ(referenceListing(t), listing);
}

TEST(IonRadii, LookupIgnoresLetterCase) {
    const IonRadiiTable t = parseIonRadii("ionradii.txt", kRadii);
    const IonRadii nd = findIonRadii(t, "nd", 3);
    EXPECT_DOUBLE_EQ(nd.r2, 1.114);
    EXPECT_DOUBLE_EQ(nd.r6, 15.03);
    EXPECT_EQ(nd.ref, "[2] extra Second paper");
    const IonRadii none = findIonRadii(t, "Nd", 2);
    EXPECT_EQ(none.r2, 1);
    EXPECT_EQ(none.r4, 1);
    EXPECT_EQ(none.r6, 1);
    EXPECT_EQ(none.ref, "");
}

TEST(IonRadii, MalformedLinesNameTheLine) {
    for (const char* bad : {"Ce 3 1,309 3.964 23.31\n", "Ce three 1 2 3\n", "Ce 3 1 2\n", "Ce\n"}) {
        try {
            parseIonRadii("r.txt", std::string("; x\n") + bad);
            ADD_FAILURE() << "no error for " << bad;
        } catch (const InputError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("r.txt, line 2: ", 0), 0u) << e.what();
        }
    }
}

TEST(IonRadii, CopiesTheShippedFileOnlyWhenMissing) {
    test::TempDir dir;
    fs::create_directories(dir / "data");
    fs::create_directories(dir / "root");
    test::writeFile(dir / "data" / kIonRadiiFile, "Ce 3 1 2 3\n");
    EXPECT_EQ(loadIonRadii(dir / "data", dir / "root").radii.size(), 1u);
    test::writeFile(dir / "root" / kIonRadiiFile, "Ce 3 1 2 3\nPr 3 1 2 3\n");
    EXPECT_EQ(loadIonRadii(dir / "data", dir / "root").radii.size(), 2u);
    EXPECT_EQ(test::readFile(dir / "data" / kIonRadiiFile), "Ce 3 1 2 3\n");
    fs::remove(dir / "root" / kIonRadiiFile);
    fs::remove(dir / "data" / kIonRadiiFile);
    EXPECT_THROW(loadIonRadii(dir / "data", dir / "root"), FileError);
}
