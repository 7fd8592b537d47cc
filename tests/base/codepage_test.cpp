#include "base/codepage.h"

#include <gtest/gtest.h>

using namespace vintrel;

TEST(Codepage, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(utf8ToLatin1(latin1ToUtf8(all)), all);
}

TEST(Codepage, MapsWindowsCharactersAndReplacesOthers) {
    EXPECT_EQ(cp1252ToUtf8("\x80 \xE9"), "\u20AC \u00E9");
    EXPECT_EQ(utf8ToCp1252("\u2013 \u0393"), "\x96 ?");
    // A stray continuation byte is taken as the Windows-1252 byte it is.
    EXPECT_EQ(utf8ToCp1252("a\xE9z"), "a\xE9z");
}
