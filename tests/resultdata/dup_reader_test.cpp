#include "resultdata/dup_reader.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using namespace vintrel;

namespace {

// The message of the InputError that `read` throws, or "" when it throws none.
template <typename Read>
std::string errorOf(Read read) {
    try {
        read();
    } catch (const InputError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(DupReader, TakesTheFirstNumberAndIgnoresTheRest) {
    DupReader in("f.dup", "12 element\r\n-0.5e-3\t; comment\n+7\n  3.25 4 5\n");
    EXPECT_EQ(in.readInteger(), 12);
    EXPECT_DOUBLE_EQ(in.readReal(), -0.5e-3);
    EXPECT_EQ(in.readInt32(), 7);
    EXPECT_EQ(in.readRow(2), (std::vector<double>{3.25, 4}));
    EXPECT_EQ(in.lineNumber(), 4);
    EXPECT_TRUE(in.atEnd());
}

TEST(DupReader, TrailingBlankLinesCountAsTheEnd) {
    DupReader in("f.dup", "1\n\n  \r\n");
    in.readInteger();
    EXPECT_TRUE(in.atEnd());
    EXPECT_FALSE(in.atEndOfFile()); // for tables that end at an empty line
    EXPECT_TRUE(in.nextLineIsBlank());
    in.skipLine();
    in.skipLine();
    EXPECT_TRUE(in.atEndOfFile());
    EXPECT_FALSE(in.nextLineIsBlank());
    EXPECT_FALSE(DupReader("g", "\n2\n").atEnd());
}

TEST(DupReader, MalformedValuesNameTheFileAndLine) {
    const std::string content = "1\n2,5\n3.0\n\n1 x\n";
    EXPECT_EQ(errorOf([&] {
                  DupReader in("a.dup", content);
                  in.readReal();
                  in.readReal();
              }),
              "a.dup, line 2: \"2,5\" is not a valid number");
    EXPECT_EQ(errorOf([&] {
                  DupReader in("a.dup", content);
                  in.skipLine();
                  in.skipLine();
                  in.readInteger();
              }),
              "a.dup, line 3: \"3.0\" is not a valid integer");
    EXPECT_EQ(errorOf([&] {
                  DupReader in("a.dup", content);
                  for (int i = 0; i < 3; ++i)
                      in.skipLine();
                  in.readReal();
              }),
              "a.dup, line 4: number expected");
    EXPECT_EQ(errorOf([&] {
                  DupReader in("a.dup", content);
                  for (int i = 0; i < 4; ++i)
                      in.skipLine();
                  in.readRow(2);
              }),
              "a.dup, line 5: \"x\" is not a valid number");
    EXPECT_EQ(errorOf([&] {
                  DupReader in("a.dup", "1\n");
                  in.readReal();
                  in.readReal();
              }),
              "a.dup, line 2: unexpected end of file");
    EXPECT_EQ(errorOf([&] { DupReader("a.dup", "4294967296\n").readInt32(); }),
              "a.dup, line 1: integer out of range");
}

TEST(DupReader, MissingFileIsAnInputError) {
    test::TempDir dir;
    EXPECT_EQ(errorOf([&] { DupReader in(dir / "none.dup"); }),
              "Cannot open file " + (dir / "none.dup").string());
    EXPECT_EQ(errorOf([&] { DupReader in(dir.path()); }),
              "Cannot open file " + dir.path().string());
    test::writeFile(dir / "x.dup", "5\n");
    EXPECT_EQ(DupReader(dir / "x.dup").readInteger(), 5);
}

// Bytes no writer produces: each text is read as far as it goes and then fails with an
// InputError naming the line, or reads cleanly.
struct OddTextCase {
    const char* name;
    std::string content;
    std::vector<std::string> lines; ///< the lines the reader finds
    bool atEndAtStart;              ///< nothing but blank lines
};

class OddTexts : public ::testing::TestWithParam<OddTextCase> {};

TEST_P(OddTexts, SplitIntoLinesWithoutSurprises) {
    const OddTextCase& c = GetParam();
    DupReader in("f.dup", c.content);
    EXPECT_EQ(in.atEnd(), c.atEndAtStart);
    std::vector<std::string> lines;
    while (!in.atEndOfFile())
        lines.push_back(in.readLine());
    EXPECT_EQ(lines, c.lines);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(errorOf([&] { in.readLine(); }),
              "f.dup, line " + std::to_string(c.lines.size() + 1) + ": unexpected end of file");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OddTexts,
    ::testing::Values(OddTextCase{"Empty", "", {}, true},
                      OddTextCase{"NoFinalLineEnd", "1\n2", {"1", "2"}, false},
                      OddTextCase{"CarriageReturnsOnly", "1\r2\r", {"1\r2"}, false},
                      OddTextCase{"DoubledCarriageReturn", "1\r\r\n", {"1\r"}, false},
                      OddTextCase{"NulBytes",
                                  std::string("1\0\n\0\n", 5),
                                  {std::string("1\0", 2), std::string("\0", 1)},
                                  false},
                      OddTextCase{"OnlyBlankLines", "\n \t\r\n\r\n", {"", " \t", ""}, true},
                      OddTextCase{"BlankLineThenText", "\n\nx", {"", "", "x"}, false},
                      OddTextCase{"LoneLineEnd", "\n", {""}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DupReader, OddBytesInANumberAreNamed) {
    EXPECT_EQ(errorOf([] { DupReader("f", "1\r2\r").readReal(); }),
              "f, line 1: \"1\\x0D2\" is not a valid number");
    // A NUL byte would end the message text.
    EXPECT_EQ(errorOf([] { DupReader("f", std::string("7\0\x7F", 3)).readInteger(); }),
              "f, line 1: \"7\\x00\\x7F\" is not a valid integer");
    for (const char* word : {"nan", "NaN", "inf", "-Inf", "1e999", "-1e400", "0x10"})
        EXPECT_NE(errorOf([&] { DupReader("f", word).readReal(); }), "") << word;
    EXPECT_EQ(errorOf([] { DupReader("f", "99999999999999999999").readInteger(); }),
              "f, line 1: \"99999999999999999999\" is not a valid integer");
}

TEST(DupReader, LongLinesAndManyLines) {
    const std::string longLine(1 << 20, '7');
    DupReader in("f", longLine + "\n8 9\n" + std::string(1 << 20, '\n'));
    EXPECT_EQ(in.readLine(), longLine);
    EXPECT_EQ(in.readRow(2), (std::vector<double>{8, 9}));
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(errorOf([] { DupReader("f", std::string(1 << 20, '7')).readRow(1); }),
              "f, line 1: \"" + std::string(40, '7') + "...\" is not a valid number");
}

TEST(DupReader, AnEmptyFileIsAMissingOne) {
    test::TempDir dir;
    test::writeFile(dir / "empty.dup", "");
    EXPECT_EQ(errorOf([&] { DupReader in(dir / "empty.dup"); }),
              "Cannot open file " + (dir / "empty.dup").string());
    EXPECT_EQ(readWholeFile(dir / "empty.dup"), ""); // the plain file reader keeps it
}
