#include "parameters/parameter_texts.h"

#include "resultdata/term_values.h"

#include <gtest/gtest.h>

using namespace vintrel;

TEST(ParameterTexts, CoefficientsRoundToSixDecimalsWithTheirHints) {
    TVariables vars;
    vars.wsp_A[3] = 1.23456789;
    vars._wsp_B[3] = -0.0000004;
    vars._wsp_B[4] = 2.5000005;
    const ParameterTexts texts = parameterTexts(vars);
    EXPECT_EQ(texts.a[3].text, "1.234568");
    EXPECT_EQ(texts.a[3].hint, "1.23456789");
    EXPECT_EQ(texts.b[3].text, "0"); // no "-0"
    EXPECT_EQ(texts.b[4].text, "2.500001");
    EXPECT_EQ(texts.b[4].hint, "2.500001");
    EXPECT_EQ(texts.a[0].text, "0");
}

TEST(ParameterTexts, FieldInBothCoordinateForms) {
    TVariables vars;
    vars.magfield = 2;
    vars.magangle = 54.7356103;
    vars.magangle2 = 45;
    const FieldVector f = fieldComponents(vars.magfield, vars.magangle, vars.magangle2);
    vars._magfield_x = f.x;
    vars._magfield_y = f.y;
    vars._magfield_z = f.z;
    vars.lambda = -123.4567891;
    const ParameterTexts texts = parameterTexts(vars);
    EXPECT_EQ(texts.magfield.text, "2");
    EXPECT_EQ(texts.magangle.text, "54.736");
    EXPECT_EQ(texts.magangle.hint, "54.7356103");
    EXPECT_EQ(texts.magangle2.text, "45");
    EXPECT_EQ(texts.bx.text, "1.1547"); // 2 / sqrt(3) along each axis
    EXPECT_EQ(texts.by.text, "1.1547");
    EXPECT_EQ(texts.bz.text, "1.1547");
    EXPECT_EQ(texts.lambda.text, "-123.45679");
}

TEST(ParameterTexts, FieldAlongYHasNoRoundingDust) {
    TVariables vars;
    const FieldVector f = fieldComponents(1.5, 90, 90);
    vars._magfield_x = f.x;
    vars._magfield_y = f.y;
    vars._magfield_z = f.z;
    const ParameterTexts texts = parameterTexts(vars);
    EXPECT_EQ(texts.bx.text, "0");
    EXPECT_EQ(texts.by.text, "1.5");
    EXPECT_EQ(texts.bz.text, "0");
}

TEST(ParameterTexts, SymmetryCaption) {
    TVariables vars;
    vars.symmetry = 5;
    EXPECT_EQ(parameterTexts(vars).symmetryCaption, "Selected symmetry: trigonal D_3 C_3_v D_3_d");
    EXPECT_TRUE(parameterTexts(vars).symmetryKnown);
    vars.symmetry = 42;
    EXPECT_EQ(parameterTexts(vars).symmetryCaption, "Selected symmetry: unknown (code 42)");
    EXPECT_FALSE(parameterTexts(vars).symmetryKnown);
}
