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
