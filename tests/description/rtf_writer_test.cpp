#include "description/rtf_reader.h"
#include "description/rtf_writer.h"

#include <gtest/gtest.h>

using namespace vintrel;

namespace {

RichText oneParagraph(std::vector<TextRun> runs,
                      ParagraphAlignment alignment = ParagraphAlignment::Left) {
    RichText text;
    text.paragraphs = {Paragraph{alignment, std::move(runs)}};
    return text;
}

} // namespace

// Every format the editor makes, every character class, and every paragraph kind comes back
// from the file as it went in.
TEST(RtfWriter, WhatIsWrittenReadsBackTheSame) {
    CharFormat base;
    base.font = "Tahoma";
    base.sizeHalfPoints = 20;
    const auto with = [&](auto change) {
        CharFormat format = base;
        change(format);
        return format;
    };
    RichText text;
    text.paragraphs = {
        Paragraph{ParagraphAlignment::Left,
                  {{"Plain, ", base},
                   {"bold", with([](CharFormat& f) { f.bold = true; })},
                   {"italic", with([](CharFormat& f) { f.italic = true; })},
                   {"under", with([](CharFormat& f) { f.underline = true; })},
                   {"red", with([](CharFormat& f) {
                        f.colour = TextColour{255, 0, 0};
                    })},
                   {"black", with([](CharFormat& f) {
                        f.colour = TextColour{0, 0, 0};
                    })},
                   {"Arial 14", with([](CharFormat& f) {
                        f.font = "Arial";
                        f.sizeHalfPoints = 28;
                    })},
                   {"up", with([](CharFormat& f) {
                        f.raiseHalfPoints = 6;
                        f.sizeHalfPoints = 16;
                    })},
                   {"down", with([](CharFormat& f) {
                        f.raiseHalfPoints = -6;
                        f.sizeHalfPoints = 16;
                    })},
                   {"super", with([](CharFormat& f) { f.script = Script::Super; })},
                   {"sub", with([](CharFormat& f) { f.script = Script::Sub; })}}},
        Paragraph{ParagraphAlignment::Centre,
                  {{"tab\tline\xE2\x80\xA8{braces} \\back\\ 1 2  ", base},
                   {" 3", with([](CharFormat& f) { f.bold = true; })}}},
        Paragraph{
            ParagraphAlignment::Right,
            {{"\xC3\xA9\xE2\x82\xAC \xC5\x82\xCE\xB1 \xE3\x81\x82 \xEF\xBC\xA1 \xF0\x9F\x98\x80?",
              with([](CharFormat& f) { f.font = "Zażółć \xCE\xB1 {x}"; })}}},
        Paragraph{ParagraphAlignment::Justify, {}},
        Paragraph{ParagraphAlignment::Left, {{"last", base}}},
    };
    const std::string rtf = writeRtf(text);
    const RichText again = readRichText(rtf);
    EXPECT_EQ(again.paragraphs, text.paragraphs) << rtf;
    EXPECT_EQ(again.dropped, 0U);
}

TEST(RtfWriter, DefaultsFillWhatARunLeavesOpen) {
    const RichText text = oneParagraph({{"x", CharFormat{}}});
    const RichText again = readRichText(writeRtf(text, TextDefaults{"Verdana", 18}));
    ASSERT_EQ(again.paragraphs[0].runs.size(), 1U);
    EXPECT_EQ(again.paragraphs[0].runs[0].format.font, "Verdana");
    EXPECT_EQ(again.paragraphs[0].runs[0].format.sizeHalfPoints, 18);
}

TEST(RtfWriter, WritesWindows1252EscapesAndSignedUnicode) {
    const std::string rtf =
        writeRtf(oneParagraph({{"\xC3\xA9\xE2\x82\xAC\xEF\xBC\xA1\xF0\x9F\x98\x80\x01", {}}}));
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0"));
    EXPECT_NE(rtf.find("\\'e9\\'80\\u-223?\\u-10179?\\u-8704?\\par\r\n}"), std::string::npos)
        << rtf;
    EXPECT_EQ(rtf.find('\x01'), std::string::npos);
    EXPECT_EQ(rtf.find("colortbl"), std::string::npos) << "no colours, no colour table";
}

TEST(RtfWriter, EmptyTextIsOneEmptyParagraph) {
    const RichText again = readRichText(writeRtf(RichText{}));
    EXPECT_EQ(again.paragraphs.size(), 1U);
    EXPECT_TRUE(again.paragraphs[0].runs.empty());
}

// Once read, a file written and read again stays the same file: the fuzz target holds every
// input to this.
TEST(RtfWriter, SecondWriteIsTheFirst) {
    const char* const sources[] = {
        "{\\rtf1{\\fonttbl{\\f0 A;}{\\f1;}}\\f1 x\\f9 y\\fs0 z\\cf5 w}",
        "{\\rtf1{\\fonttbl{\\f0\\fcharset238 \\'a3\\'f3d\\'9f\\tab x;}}\\f0 a}",
        "plain\r\n\ttext\r\n",
        "{\\rtf1 a\\line\\line\\par\\par\\tab}",
    };
    for (const char* source : sources) {
        SCOPED_TRACE(source);
        const std::string first = writeRtf(readRichText(source));
        EXPECT_EQ(writeRtf(readRichText(first)), first);
    }
}
