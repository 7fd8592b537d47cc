#include "description/rtf_reader.h"
#include "description/rtf_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using namespace vintrel;

namespace {

std::string sample(const std::string& name) {
    return test::readFile(std::filesystem::path(VINTREL_SOURCE_DIR) / "tests/description/data" /
                          name);
}

/// The runs of a paragraph as "text" pairs with a format, for compact expectations.
struct Expected {
    std::string text;
    CharFormat format;
};

void expectRuns(const Paragraph& paragraph, const std::vector<Expected>& expected) {
    ASSERT_EQ(paragraph.runs.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("run " + std::to_string(i) + " \"" + expected[i].text + "\"");
        EXPECT_EQ(paragraph.runs[i].text, expected[i].text);
        EXPECT_EQ(paragraph.runs[i].format, expected[i].format);
    }
}

CharFormat font(const std::string& name, int size) {
    CharFormat format;
    format.font = name;
    format.sizeHalfPoints = size;
    return format;
}

template <typename Change>
CharFormat with(CharFormat format, Change change) {
    change(format);
    return format;
}

/// Written and read again: the same paragraphs.
void expectRoundTrip(const RichText& text) {
    const RichText again = readRichText(writeRtf(text));
    EXPECT_EQ(again.paragraphs, text.paragraphs);
    EXPECT_EQ(again.dropped, 0U);
    EXPECT_FALSE(again.plainText);
}

} // namespace

// A WordPad (rich-edit) file: font and colour tables, the styles, colours, the raised and
// lowered script of the editor itself, alignment, tab, line break and escapes.
TEST(RtfReader, WordPadFileWithFontAndColourTables) {
    const RichText text = readRichText(sample("wordpad_tables.rtf"));
    EXPECT_FALSE(text.plainText);
    EXPECT_EQ(text.dropped, 0U);
    ASSERT_EQ(text.paragraphs.size(), 3U);
    const CharFormat calibri = font("Calibri", 22);
    const TextColour red{255, 0, 0};
    const TextColour blue{0, 77, 187};
    expectRuns(text.paragraphs[0],
               {{"Plain ", calibri},
                {"bold", with(calibri, [](CharFormat& f) { f.bold = true; })},
                {" ", calibri},
                {"italic", with(calibri, [](CharFormat& f) { f.italic = true; })},
                {" ", calibri},
                {"under", with(calibri, [](CharFormat& f) { f.underline = true; })},
                {" ", calibri},
                {"red", with(calibri, [&](CharFormat& f) { f.colour = red; })},
                {" ", calibri},
                {"Arial", font("Arial", 22)},
                {" H", calibri},
                {"2", with(font("Calibri", 16), [](CharFormat& f) { f.raiseHalfPoints = -6; })},
                {"O and x", calibri},
                {"2", with(font("Calibri", 16), [](CharFormat& f) { f.raiseHalfPoints = 6; })}});
    EXPECT_EQ(text.paragraphs[0].alignment, ParagraphAlignment::Left);
    EXPECT_EQ(text.paragraphs[1].alignment, ParagraphAlignment::Centre);
    expectRuns(text.paragraphs[1], {{"Centred, blue", with(calibri, [&](CharFormat& f) {
                                         f.colour = blue;
                                         f.bold = f.italic = f.underline = true;
                                     })}});
    EXPECT_EQ(text.paragraphs[2].alignment, ParagraphAlignment::Left);
    expectRuns(text.paragraphs[2], {{"Tab\tand\xE2\x80\xA8"
                                     "break; braces { } and a backslash \\.",
                                     calibri}});
    expectRoundTrip(text);
}

// A Word file in code page 1250 with fonts of the Central European character set, `\u`
// escapes with their fallbacks (also two-byte ones after `\uc2`), a surrogate pair, and
// `\super` / `\sub`; style sheet, revision table, generator and info are skipped.
TEST(RtfReader, WordFileInCodePage1250WithUnicodeEscapes) {
    const RichText text = readRichText(sample("word_cp1250_unicode.rtf"));
    EXPECT_EQ(text.dropped, 0U);
    ASSERT_EQ(text.paragraphs.size(), 1U);
    const CharFormat times = font("Times New Roman", 24);
    expectRuns(
        text.paragraphs[0],
        {{"Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 ja\xC5\xBA\xC5\x84 ",
          times},
         {"\xC5\x81\xC3\xB3"
          "d\xC5\xBA",
          with(times, [](CharFormat& f) { f.bold = true; })},
         {", CeO", times},
         {"2", with(times, [](CharFormat& f) { f.script = Script::Sub; })},
         {" and Ce", times},
         {"3+", with(times, [](CharFormat& f) { f.script = Script::Super; })},
         {" \xE2\x84\xAB \xCE\xB1 \xE3\x81\x82!\xF0\x9F\x98\x80",
          with(font("Arial", 24),
               [](CharFormat& f) {
                   f.colour = TextColour{0, 0, 255};
               })},
         {" \xC4\x85", font("Arial", 24)}});
    expectRoundTrip(text);
}

// A LibreOffice file with a picture (a PNG in `\*\shppict` and a metafile with binary data in
// `\nonshppict`): the picture is skipped and reported, the text around it stays.
TEST(RtfReader, LibreOfficeFileWithPictureSkipsAndReportsIt) {
    const RichText text = readRichText(sample("libreoffice_picture.rtf"));
    EXPECT_EQ(text.dropped, unsigned(kDroppedPictures));
    ASSERT_EQ(text.paragraphs.size(), 3U);
    const CharFormat serif = font("Liberation Serif", 24);
    expectRuns(text.paragraphs[0],
               {{"Crystal field", with(serif,
                                       [](CharFormat& f) {
                                           f.bold = true;
                                           f.colour = TextColour{201, 33, 30};
                                       })},
                {" of Nd", serif},
                {"3+", with(serif, [](CharFormat& f) { f.script = Script::Super; })},
                {" ions.", serif}});
    EXPECT_TRUE(text.paragraphs[1].runs.empty());
    EXPECT_EQ(text.paragraphs[1].alignment, ParagraphAlignment::Centre);
    expectRuns(text.paragraphs[2],
               {{"The end.", with(serif, [](CharFormat& f) { f.italic = true; })}});
    EXPECT_EQ(text.plain(), "Crystal field of Nd3+ ions.\n\nThe end.");
    expectRoundTrip(text);
}

TEST(RtfReader, PlainTextIsWindows1252WithAnyLineEnds) {
    const RichText text = readRichText("first\r\nsecond\rthird\nw\xE9"
                                       "\x80\x01t\tab\r\n");
    EXPECT_TRUE(text.plainText);
    ASSERT_EQ(text.paragraphs.size(), 4U);
    EXPECT_EQ(text.plain(), "first\nsecond\nthird\nw\xC3\xA9\xE2\x82\xACt\tab");
    EXPECT_EQ(text.paragraphs[0].runs[0].format, CharFormat{});
    // Only the exact opening makes rich text.
    EXPECT_TRUE(readRichText(" {\\rtf1 x}").plainText);
    EXPECT_TRUE(readRichText("{\\rt x}").plainText);
    const RichText empty = readRichText("");
    EXPECT_EQ(empty.paragraphs.size(), 1U);
    EXPECT_EQ(empty.plain(), "");
}

// Each destination the editor cannot show is skipped; the kinds of content among them are
// reported, mere metadata is not.
TEST(RtfReader, SkippedDestinationsReportWhatWasLost) {
    const struct {
        const char* name;
        std::string rtf;
        std::string text;
        unsigned dropped;
    } cases[] = {
        {"field shows its result",
         R"({\rtf1 a{\field{\*\fldinst HYPERLINK "file:///etc/passwd"}{\fldrslt link}}b})",
         "alinkb", kDroppedFields},
        {"object with data and result",
         R"({\rtf1 a{\object\objemb{\*\objclass Excel.Sheet}{\*\objdata 0105000002}{\result{\pict\wmetafile8 0100}}}b})",
         "ab", kDroppedObjects | kDroppedPictures},
        {"drawing", R"({\rtf1 a{\shp{\*\shpinst\shpleft0{\sp{\sn fillColor}{\sv 255}}}}b})", "ab",
         kDroppedDrawings},
        {"footnote", R"({\rtf1 a{\super\chftn}{\footnote\pard note}b})", "ab", kDroppedNotes},
        {"header and footer", R"({\rtf1{\header\pard head\par}{\footer foot}body})", "body",
         kDroppedHeadersFooters},
        {"table cells as tabs, rows as paragraphs",
         R"({\rtf1\trowd\cellx100\cellx200\pard\intbl a\cell b\cell\row\pard after})",
         "a\tb\nafter", kDroppedTables},
        {"metadata is no loss",
         R"({\rtf1{\*\generator W}{\info{\title T}}{\stylesheet{\s1 S;}}{\*\unknownthing x}{\*\bkmkstart b}t})",
         "t", 0},
        {"hidden text", R"({\rtf1 a{\v hidden}b\v c\v0 d})", "abd", kDroppedHiddenText},
        {"list fallback text stays", R"({\rtf1{\listtext\'b7\tab}item})", "\xC2\xB7\titem", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RichText text = readRichText(c.rtf);
        EXPECT_EQ(text.plain(), c.text);
        EXPECT_EQ(text.dropped, c.dropped);
    }
}

TEST(RtfReader, SymbolsAndCodePages) {
    const struct {
        const char* name;
        std::string rtf;
        std::string text;
    } cases[] = {
        {"symbol words", R"({\rtf1\lquote a\rquote\ldblquote\rdblquote\bullet\endash\emdash\~\_})",
         "\xE2\x80\x98"
         "a\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\xA2\xE2\x80\x93\xE2\x80\x94"
         "\xC2\xA0\xE2\x80\x91"},
        {"optional hyphen and index marks vanish", R"({\rtf1 a\-b\:c\|d})", "abcd"},
        {"cyrillic code page", R"({\rtf1\ansi\ansicpg1251 \'c0\'e1})", "\xD0\x90\xD0\xB1"},
        {"greek font charset", R"({\rtf1{\fonttbl{\f0\fcharset161 Gr;}}\f0 \'e1})", "\xCE\xB1"},
        {"cpg of a font", R"({\rtf1{\fonttbl{\f0\cpg1257 B;}}\f0 \'e0})", "\xC4\x85"},
        {"unknown code page is Windows-1252", R"({\rtf1\ansicpg99999 \'80\'e9})",
         "\xE2\x82\xAC\xC3\xA9"},
        {"multi-byte code page is Windows-1252", R"({\rtf1\ansicpg932 \'82\'a0})",
         "\xE2\x80\x9A\xC2\xA0"},
        {"unknown font is the document's code page", R"({\rtf1\ansicpg1250\f7 \'b9})", "\xC4\x85"},
        {"negative unicode", R"({\rtf1\u-3999?})", "\xEF\x81\xA1"},
        {"backslash newline is a paragraph", "{\\rtf1 a\\\nb}", "a\nb"},
        {"raw line ends are nothing", "{\\rtf1 a\r\nb\n\rc}", "abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readRichText(c.rtf).plain(), c.text);
    }
}

// Hostile input ends cleanly with whatever text could be read.
TEST(RtfReader, HostileInputEndsCleanly) {
    const std::string deep =
        std::string("{\\rtf1 a") + std::string(100000, '{') + "b" + std::string(100000, '}') + "c}";
    const struct {
        const char* name;
        std::string rtf;
        std::string text;
    } cases[] = {
        {"nesting far beyond the limit", deep, "ac"},
        {"unclosed nesting", std::string("{\\rtf1 a") + std::string(50000, '{') + "b", "a"},
        {"escape cut off", "{\\rtf1 a\\'", "a"},
        {"escape with one digit", "{\\rtf1 a\\'4", "a"},
        {"escape with non-hex digits", "{\\rtf1 a\\'zz b}", "azz b"},
        {"unicode cut off", "{\\rtf1 a\\u", "a"},
        {"unicode sign cut off: the sign is its fallback", "{\\rtf1 a\\u-", "a"},
        {"backslash at the end", "{\\rtf1 a\\", "a"},
        {"binary beyond the end", "{\\rtf1 a{\\pict\\bin999999999999 xyz", "a"},
        {"negative binary length", "{\\rtf1 a\\bin-5 b}", "ab"},
        {"binary data holds braces", "{\\rtf1 a{\\pict\\bin2 }}}b}", "ab"},
        {"braces closing too often", "{\\rtf1 a}}}b{c", "a"},
        {"lone low surrogate", "{\\rtf1 \\u-8704?x}", "\xEF\xBF\xBDx"},
        {"lone high surrogate", "{\\rtf1 \\u-10179?x}", "\xEF\xBF\xBDx"},
        {"two high surrogates", "{\\rtf1 \\u-10179?\\u-10179?\\u-8704?}",
         "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
        {"model marks and control characters", "{\\rtf1 a\\u65532?\\u64976?\\u0?\\u7?\\u65535?b}",
         "ab"},
        {"nul and control bytes", std::string("{\\rtf1 a\0\x01\x1f b}", 14), "a b"},
        {"huge fallback count", "{\\rtf1\\uc99999999999 \\u65 abc}", "A"},
        {"fallback stops at a brace", "{\\rtf1\\uc5\\u65 a{b}c}", "Abc"},
        {"very long control word", "{\\rtf1 \\" + std::string(100000, 'x') + " a}", "a"},
        {"very long number", "{\\rtf1 \\f" + std::string(100000, '9') + " a}", "a"},
        {"font table without end", "{\\rtf1{\\fonttbl{\\f0 A", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RichText text = readRichText(c.rtf);
        EXPECT_EQ(text.plain(), c.text);
        EXPECT_FALSE(text.paragraphs.empty());
    }
    EXPECT_NE(readRichText(deep).dropped & kDroppedNesting, 0U);
}

TEST(RtfReader, NumericParametersAreClamped) {
    const RichText text =
        readRichText("{\\rtf1\\fs99999999999 a\\fs0 b\\up99999999999 c\\dn-7 d\\cf99999999999 e"
                     "{\\colortbl;\\red999\\green-5\\blue128;}\\cf1 f\\f-3 g}");
    ASSERT_EQ(text.paragraphs.size(), 1U);
    const auto& runs = text.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 5U);
    EXPECT_EQ(runs[0].format.sizeHalfPoints, 3276);
    EXPECT_EQ(runs[1].format.sizeHalfPoints, 24);
    EXPECT_EQ(runs[2].format.raiseHalfPoints, 1000);
    EXPECT_EQ(runs[3].text, "de");
    EXPECT_EQ(runs[3].format.raiseHalfPoints, 0);
    EXPECT_FALSE(runs[3].format.colour);
    EXPECT_EQ(runs[4].text, "fg");
    EXPECT_EQ(runs[4].format.colour, (TextColour{255, 0, 128}));
}

TEST(RtfReader, StyleSwitchesAndPlainReset) {
    const RichText text = readRichText(
        "{\\rtf1{\\fonttbl{\\f0 Zero;}{\\f1 One;}}\\f1\\fs30\\b\\i\\ul\\super\\up4 a\\plain b"
        "\\ulw c\\ul0 d\\uldb e\\ulnone f{\\b g}h\\b0\\nosupersub\\sub i}");
    const auto& runs = text.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 9U);
    CharFormat a = font("One", 30);
    a.bold = a.italic = a.underline = true;
    a.script = Script::Super;
    a.raiseHalfPoints = 4;
    EXPECT_EQ(runs[0].format, a);
    const CharFormat plain = font("Zero", 24);
    const CharFormat underlined = with(plain, [](CharFormat& f) { f.underline = true; });
    const CharFormat expected[] = {a,
                                   plain,
                                   underlined,
                                   plain,
                                   underlined,
                                   plain,
                                   with(plain, [](CharFormat& f) { f.bold = true; }),
                                   plain,
                                   with(plain, [](CharFormat& f) { f.script = Script::Sub; })};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(runs[i].text);
        EXPECT_EQ(runs[i].text, std::string(1, char('a' + i)));
        EXPECT_EQ(runs[i].format, expected[i]);
    }
}

TEST(RtfReader, TrailingParagraphMarkEndsTheLastParagraph) {
    EXPECT_EQ(readRichText("{\\rtf1 a\\par}").paragraphs.size(), 1U);
    EXPECT_EQ(readRichText("{\\rtf1 a\\par\\par}").paragraphs.size(), 2U);
    EXPECT_EQ(readRichText("{\\rtf1 a\\par b}").paragraphs.size(), 2U);
    EXPECT_EQ(readRichText("{\\rtf1\\par}").paragraphs.size(), 1U);
    EXPECT_EQ(readRichText("{\\rtf1}").paragraphs.size(), 1U);
}
