#include "description/rtf_reader.h"

#include "base/codepage.h"
#include "description/code_pages.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vintrel {

namespace {

constexpr std::size_t kMaxWordLength = 32;
constexpr std::size_t kMaxFontNameBytes = 255;
constexpr std::size_t kMaxTableEntries = 10000;
constexpr int kMaxSizeHalfPoints = 3276;
constexpr int kMaxRaiseHalfPoints = 1000;
constexpr int kMaxUnicodeSkip = 255;
constexpr int kRtfDefaultSize = 24;
constexpr char32_t kReplacement = 0xFFFD;

/// Where the text of a group goes.
enum class Destination : std::uint8_t { Text, FontTable, ColourTable, Skip };

/// The character format while reading, before fonts and colours are looked up.
struct ReadFormat {
    int font = -1; ///< font number; −1 for the default font (`\deff`)
    int sizeHalfPoints = kRtfDefaultSize;
    int colour = 0; ///< entry of the colour table; 0 is the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;
    int raiseHalfPoints = 0;
    Script script = Script::Normal;
    friend bool operator==(const ReadFormat&, const ReadFormat&) = default;
};

struct GroupState {
    Destination destination = Destination::Text;
    ReadFormat format;
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    int unicodeSkip = 1;
};

struct FontEntry {
    int codePage = 1252;
    std::string name;
};

/// A control word with its parameter.
struct Word {
    std::string_view name;
    bool hasParameter = false;
    int parameter = 0;
    /// The parameter when given, else `fallback`.
    int value(int fallback) const { return hasParameter ? parameter : fallback; }
    /// For switches such as `\b` and `\b0`: on unless the parameter is 0.
    bool on() const { return !hasParameter || parameter != 0; }
};

int clampTo(long long value, int low, int high) {
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

bool isHex(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(unsigned char c) {
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

bool isLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

/// Code points the editor keeps in text: no control characters but the tab, no code points
/// that the document model reserves (object and frame marks) and no non-characters.
bool keptInText(char32_t cp) {
    if (cp == '\t')
        return true;
    if (cp < 0x20 || cp == 0x7F)
        return false;
    if (cp >= 0xD800 && cp <= 0xDFFF)
        return false;
    if (cp >= 0xFDD0 && cp <= 0xFDEF)
        return false;
    if ((cp & 0xFFFE) == 0xFFFE || cp == 0xFFFC || cp > 0x10FFFF)
        return false;
    return true;
}

/// Destinations whose text is never shown, with the content they stand for when it is one the
/// editor cannot keep.
struct SkippedDestination {
    std::string_view word;
    unsigned dropped;
};

// clang-format off
constexpr SkippedDestination kSkipped[] = {
    {"pict", kDroppedPictures},          {"nonshppict", kDroppedPictures},
    {"object", kDroppedObjects},
    {"shp", kDroppedDrawings},           {"shpgrp", kDroppedDrawings},
    {"do", kDroppedDrawings},
    {"footnote", kDroppedNotes},         {"annotation", kDroppedNotes},
    {"atnid", kDroppedNotes},            {"atnauthor", kDroppedNotes},
    {"header", kDroppedHeadersFooters},  {"headerl", kDroppedHeadersFooters},
    {"headerr", kDroppedHeadersFooters}, {"headerf", kDroppedHeadersFooters},
    {"footer", kDroppedHeadersFooters},  {"footerl", kDroppedHeadersFooters},
    {"footerr", kDroppedHeadersFooters}, {"footerf", kDroppedHeadersFooters},
    {"fldinst", 0},     {"stylesheet", 0}, {"info", 0},       {"filetbl", 0},
    {"revtbl", 0},      {"listtable", 0},  {"listoverridetable", 0},
    {"rsidtbl", 0},     {"generator", 0},  {"userprops", 0},  {"docvar", 0},
    {"template", 0},    {"pgdsctbl", 0},   {"xe", 0},         {"tc", 0},
    {"txe", 0},         {"rxe", 0},        {"ftnsep", 0},     {"ftnsepc", 0},
    {"ftncn", 0},       {"aftnsep", 0},    {"aftnsepc", 0},   {"aftncn", 0},
    {"pnseclvl", 0},    {"private", 0},    {"themedata", 0},  {"colorschememapping", 0},
    {"latentstyles", 0}, {"datastore", 0}, {"xmlnstbl", 0},   {"fchars", 0},
    {"lchars", 0},      {"background", 0}, {"objdata", 0},    {"datafield", 0},
    {"formfield", 0},   {"bkmkstart", 0},  {"bkmkend", 0},    {"pn", 0},
};
// clang-format on

/// Underline switches besides `\ul`: the dotted, dashed, double, thick, wavy and word kinds.
constexpr std::string_view kUnderlines[] = {
    "uld",   "uldash",   "uldashd",   "uldashdd",   "uldb",      "ulhwave",    "ulldash", "ulth",
    "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave",
};

/// Control words that stand for one character.
struct SymbolWord {
    std::string_view word;
    char32_t codePoint;
};

constexpr SymbolWord kSymbols[] = {
    {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
    {"bullet", 0x2022},  {"endash", 0x2013},  {"emdash", 0x2014},    {"enspace", 0x2002},
    {"emspace", 0x2003}, {"qmspace", 0x2005}, {"zwj", 0x200D},       {"zwnj", 0x200C},
    {"ltrmark", 0x200E}, {"rtlmark", 0x200F}, {"tab", '\t'},
};

class RtfReader {
public:
    explicit RtfReader(std::string_view bytes) : in_(bytes) {}

    RichText read() {
        while (at_ < in_.size() && !finished_) {
            const auto c = static_cast<unsigned char>(in_[at_++]);
            switch (c) {
            case '{':
                pendingSkip_ = 0;
                openGroup();
                break;
            case '}':
                pendingSkip_ = 0;
                closeGroup();
                break;
            case '\\':
                control();
                break;
            case '\r':
            case '\n':
                break;
            default:
                if (skipFallback())
                    break;
                textByte(c);
                break;
            }
        }
        finish();
        return std::move(doc_);
    }

private:
    // --- groups

    GroupState& state() { return groups_.back(); }

    bool skipping() const { return overflow_ > 0 || groups_.empty(); }

    void openGroup() {
        if (overflow_ > 0 || static_cast<int>(groups_.size()) >= kMaxRtfGroupDepth) {
            if (overflow_ == 0 && !groups_.empty() && state().destination == Destination::Text)
                doc_.dropped |= kDroppedNesting;
            ++overflow_;
            return;
        }
        groups_.push_back(groups_.empty() ? GroupState{} : state());
    }

    void closeGroup() {
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (groups_.empty())
            return;
        if (state().destination == Destination::FontTable && fontPendingDepth_ == groups_.size())
            commitFont();
        flushText();
        groups_.pop_back();
        if (groups_.empty())
            finished_ = true;
    }

    // --- tokens

    /// After `\uN` the next `\ucN` characters are the fallback for readers without Unicode.
    bool skipFallback() {
        if (pendingSkip_ == 0)
            return false;
        --pendingSkip_;
        return true;
    }

    void control() {
        if (at_ >= in_.size())
            return;
        const auto c = static_cast<unsigned char>(in_[at_]);
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++at_;
        if (c == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && at_ < in_.size() && isHex(static_cast<unsigned char>(in_[at_]))) {
                value = value * 16 + hexValue(static_cast<unsigned char>(in_[at_]));
                ++at_;
                ++digits;
            }
            if (skipFallback() || digits < 2)
                return;
            textByte(static_cast<unsigned char>(value));
            return;
        }
        if (c == '*') {
            if (!skipping())
                state().destination = Destination::Skip;
            return;
        }
        if (skipFallback())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            textByte(c);
            break;
        case '~':
            codePoint(0x00A0);
            break;
        case '_':
            codePoint(0x2011);
            break;
        case '\r':
        case '\n':
            paragraphEnd();
            break;
        default: // "\-" (optional hyphen), "\:", "\|" and unknown symbols
            break;
        }
    }

    void controlWord() {
        const std::size_t start = at_;
        while (at_ < in_.size() && isLetter(static_cast<unsigned char>(in_[at_])))
            ++at_;
        Word word;
        word.name = in_.substr(start, std::min(at_ - start, kMaxWordLength));
        bool negative = false;
        if (at_ + 1 < in_.size() && in_[at_] == '-' &&
            isDigit(static_cast<unsigned char>(in_[at_ + 1]))) {
            negative = true;
            ++at_;
        }
        long long value = 0;
        while (at_ < in_.size() && isDigit(static_cast<unsigned char>(in_[at_]))) {
            word.hasParameter = true;
            value = std::min<long long>(value * 10 + (in_[at_] - '0'), 1LL << 40);
            ++at_;
        }
        if (at_ < in_.size() && in_[at_] == ' ')
            ++at_;
        word.parameter = clampTo(negative ? -value : value, INT32_MIN, INT32_MAX);
        if (word.name == "bin") {
            // Binary data follows, never more than the bytes that are left.
            const std::size_t left = in_.size() - at_;
            at_ +=
                std::min<std::size_t>(left, static_cast<std::size_t>(std::max(0, word.parameter)));
            return;
        }
        if (skipFallback() || skipping())
            return;
        handle(word);
    }

    // --- control words

    void handle(const Word& word) {
        GroupState& group = state();
        const std::string_view name = word.name;
        if (group.destination == Destination::Skip) {
            // Pictures, objects and the like inside a skipped group are dropped content too.
            skippedDestination(name);
            return;
        }
        if (name == "ansi" || name == "mac" || name == "pc" || name == "pca") {
            documentCodePage_ = 1252;
        } else if (name == "ansicpg") {
            documentCodePage_ = usableCodePage(word.value(1252));
        } else if (name == "deff") {
            defaultFont_ = word.value(0);
        } else if (name == "fonttbl") {
            flushText();
            group.destination = Destination::FontTable;
        } else if (name == "colortbl") {
            flushText();
            group.destination = Destination::ColourTable;
            colourStarted_ = false;
            pendingColour_ = {};
        } else if (group.destination == Destination::FontTable) {
            fontTableWord(word);
        } else if (group.destination == Destination::ColourTable) {
            colourTableWord(word);
        } else {
            textWord(word);
        }
    }

    /// A destination that is skipped; true when `name` is one.
    bool skippedDestination(std::string_view name) {
        for (const SkippedDestination& skipped : kSkipped)
            if (skipped.word == name) {
                doc_.dropped |= skipped.dropped;
                return true;
            }
        return false;
    }

    void fontTableWord(const Word& word) {
        if (word.name == "f") {
            commitFont();
            pendingFont_ = FontEntry{documentCodePage_, {}};
            pendingFontNumber_ = word.value(0);
            fontPendingDepth_ = groups_.size();
        } else if (word.name == "fcharset" && pendingFont_) {
            pendingFont_->codePage = charsetCodePage(word.value(0), documentCodePage_);
        } else if (word.name == "cpg" && pendingFont_) {
            pendingFont_->codePage = usableCodePage(word.value(1252));
        } else if (word.name == "u") {
            unicode(word);
        } else if (skippedDestination(word.name)) {
            state().destination = Destination::Skip;
        }
    }

    void colourTableWord(const Word& word) {
        const int component = clampTo(word.value(0), 0, 255);
        const auto set = [&](std::uint8_t TextColour::*part) {
            pendingColour_.*part = static_cast<std::uint8_t>(component);
            colourStarted_ = true;
        };
        if (word.name == "red")
            set(&TextColour::red);
        else if (word.name == "green")
            set(&TextColour::green);
        else if (word.name == "blue")
            set(&TextColour::blue);
    }

    void textWord(const Word& word) {
        GroupState& group = state();
        ReadFormat& format = group.format;
        const std::string_view name = word.name;
        if (skippedDestination(name)) {
            flushText();
            group.destination = Destination::Skip;
        } else if (name == "par" || name == "sect" || name == "page") {
            paragraphEnd();
        } else if (name == "line") {
            text(kLineBreak);
        } else if (name == "u") {
            unicode(word);
        } else if (name == "uc") {
            group.unicodeSkip = clampTo(word.value(1), 0, kMaxUnicodeSkip);
        } else if (name == "plain") {
            format = ReadFormat{};
        } else if (name == "f") {
            format.font = word.value(0);
        } else if (name == "fs") {
            const int size = word.value(kRtfDefaultSize);
            format.sizeHalfPoints =
                size <= 0 ? kRtfDefaultSize : std::min(size, kMaxSizeHalfPoints);
        } else if (name == "cf") {
            format.colour = clampTo(word.value(0), 0, INT32_MAX);
        } else if (name == "b") {
            format.bold = word.on();
        } else if (name == "i") {
            format.italic = word.on();
        } else if (name == "ul") {
            format.underline = word.on();
        } else if (name == "ulnone") {
            format.underline = false;
        } else if (std::find(std::begin(kUnderlines), std::end(kUnderlines), name) !=
                   std::end(kUnderlines)) {
            format.underline = word.on();
        } else if (name == "up") {
            format.raiseHalfPoints = clampTo(word.value(6), 0, kMaxRaiseHalfPoints);
        } else if (name == "dn") {
            format.raiseHalfPoints = -clampTo(word.value(6), 0, kMaxRaiseHalfPoints);
        } else if (name == "super") {
            format.script = Script::Super;
        } else if (name == "sub") {
            format.script = Script::Sub;
        } else if (name == "nosupersub") {
            format.script = Script::Normal;
        } else if (name == "v") {
            format.hidden = word.on();
        } else if (name == "pard") {
            group.alignment = ParagraphAlignment::Left;
        } else if (name == "ql") {
            group.alignment = ParagraphAlignment::Left;
        } else if (name == "qc") {
            group.alignment = ParagraphAlignment::Centre;
        } else if (name == "qr") {
            group.alignment = ParagraphAlignment::Right;
        } else if (name == "qj" || name == "qd") {
            group.alignment = ParagraphAlignment::Justify;
        } else if (name == "field") {
            doc_.dropped |= kDroppedFields;
        } else if (name == "trowd" || name == "intbl") {
            doc_.dropped |= kDroppedTables;
        } else if (name == "cell" || name == "nestcell") {
            doc_.dropped |= kDroppedTables;
            codePoint('\t');
            afterCell_ = true;
        } else if (name == "row" || name == "nestrow") {
            doc_.dropped |= kDroppedTables;
            rowEnd();
        } else {
            for (const SymbolWord& symbol : kSymbols)
                if (symbol.word == name) {
                    codePoint(symbol.codePoint);
                    break;
                }
        }
    }

    void unicode(const Word& word) {
        int unit = clampTo(word.value(0), -32768, 65535);
        if (unit < 0)
            unit += 65536;
        pendingSkip_ = state().unicodeSkip;
        const auto cp = static_cast<char32_t>(unit);
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            danglingSurrogate();
            highSurrogate_ = cp;
            return;
        }
        if (cp >= 0xDC00 && cp <= 0xDFFF) {
            if (highSurrogate_) {
                const char32_t high = *highSurrogate_;
                highSurrogate_.reset();
                codePoint(0x10000 + ((high - 0xD800) << 10) + (cp - 0xDC00));
            } else {
                codePoint(kReplacement);
            }
            return;
        }
        codePoint(cp);
    }

    // --- text

    int codePageOf(const ReadFormat& format) const {
        const auto font = fonts_.find(format.font < 0 ? defaultFont_ : format.font);
        return font == fonts_.end() ? documentCodePage_ : font->second.codePage;
    }

    void textByte(unsigned char byte) {
        if (skipping())
            return;
        GroupState& group = state();
        switch (group.destination) {
        case Destination::Text:
            codePoint(byte == '\t' ? char32_t('\t')
                                   : codePageCodePoint(codePageOf(group.format), byte));
            break;
        case Destination::FontTable:
            if (byte == ';')
                commitFont();
            else if (pendingFont_)
                fontNameCodePoint(codePageCodePoint(pendingFont_->codePage, byte));
            break;
        case Destination::ColourTable:
            if (byte == ';')
                commitColour();
            break;
        case Destination::Skip:
            break;
        }
    }

    /// A high surrogate that no low one followed stands for an unknown character.
    void danglingSurrogate() {
        if (!highSurrogate_)
            return;
        highSurrogate_.reset();
        codePoint(kReplacement);
    }

    void codePoint(char32_t cp) {
        if (skipping())
            return;
        danglingSurrogate();
        GroupState& group = state();
        if (group.destination == Destination::FontTable) {
            fontNameCodePoint(cp);
            return;
        }
        if (group.destination != Destination::Text)
            return;
        if (group.format.hidden) {
            doc_.dropped |= kDroppedHiddenText;
            return;
        }
        if (cp == 0x2029) {
            paragraphEnd();
            return;
        }
        if (!keptInText(cp) && cp != 0x2028)
            return;
        std::string utf8;
        appendUtf8(utf8, cp);
        text(utf8);
    }

    void text(std::string_view utf8) {
        GroupState& group = state();
        if (group.destination != Destination::Text)
            return;
        if (group.format.hidden) {
            doc_.dropped |= kDroppedHiddenText;
            return;
        }
        if (!buffer_.empty() && bufferFormat_ != group.format)
            flushText();
        bufferFormat_ = group.format;
        buffer_ += utf8;
        doc_.paragraphs.back().alignment = group.alignment;
        afterCell_ = false;
    }

    void flushText() {
        if (buffer_.empty())
            return;
        doc_.append(buffer_, resolved(bufferFormat_));
        buffer_.clear();
    }

    CharFormat resolved(const ReadFormat& read) const {
        CharFormat format;
        const auto font = fonts_.find(read.font < 0 ? defaultFont_ : read.font);
        if (font != fonts_.end())
            format.font = font->second.name;
        format.sizeHalfPoints = read.sizeHalfPoints;
        if (read.colour > 0 && static_cast<std::size_t>(read.colour) < colours_.size())
            format.colour = colours_[static_cast<std::size_t>(read.colour)];
        format.bold = read.bold;
        format.italic = read.italic;
        format.underline = read.underline;
        format.raiseHalfPoints = read.raiseHalfPoints;
        format.script = read.script;
        return format;
    }

    void paragraphEnd() {
        if (skipping() || state().destination != Destination::Text)
            return;
        flushText();
        doc_.paragraphs.back().alignment = state().alignment;
        doc_.newParagraph(state().alignment);
        afterCell_ = false;
    }

    /// The end of a table row: the tab of its last cell goes, and the row is a paragraph.
    void rowEnd() {
        if (afterCell_) {
            if (!buffer_.empty() && buffer_.back() == '\t') {
                buffer_.pop_back();
            } else {
                std::vector<TextRun>& runs = doc_.paragraphs.back().runs;
                if (!runs.empty() && !runs.back().text.empty() && runs.back().text.back() == '\t') {
                    runs.back().text.pop_back();
                    if (runs.back().text.empty())
                        runs.pop_back();
                }
            }
        }
        paragraphEnd();
    }

    // --- font and colour tables

    void fontNameCodePoint(char32_t cp) {
        if (!pendingFont_ || cp == ';' || !keptInText(cp) || cp == '\t')
            return;
        std::string utf8;
        appendUtf8(utf8, cp);
        if (pendingFont_->name.size() + utf8.size() <= kMaxFontNameBytes)
            pendingFont_->name += utf8;
    }

    void commitFont() {
        if (!pendingFont_)
            return;
        std::string& name = pendingFont_->name;
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        name.erase(0, std::min(name.find_first_not_of(' '), name.size()));
        if (fonts_.size() < kMaxTableEntries)
            fonts_.try_emplace(pendingFontNumber_, std::move(*pendingFont_));
        pendingFont_.reset();
        fontPendingDepth_ = 0;
    }

    void commitColour() {
        if (colours_.size() < kMaxTableEntries)
            colours_.push_back(colourStarted_ ? std::optional<TextColour>(pendingColour_)
                                              : std::nullopt);
        colourStarted_ = false;
        pendingColour_ = {};
    }

    void finish() {
        flushText();
        if (doc_.paragraphs.size() > 1 && doc_.paragraphs.back().runs.empty())
            doc_.paragraphs.pop_back();
    }

    std::string_view in_;
    std::size_t at_ = 0;
    bool finished_ = false;
    RichText doc_;
    std::vector<GroupState> groups_;
    int overflow_ = 0;
    int pendingSkip_ = 0;
    std::optional<char32_t> highSurrogate_;
    int documentCodePage_ = 1252;
    int defaultFont_ = 0;
    std::map<int, FontEntry> fonts_;
    std::optional<FontEntry> pendingFont_;
    int pendingFontNumber_ = 0;
    std::size_t fontPendingDepth_ = 0;
    std::vector<std::optional<TextColour>> colours_;
    TextColour pendingColour_;
    bool colourStarted_ = false;
    std::string buffer_;
    ReadFormat bufferFormat_;
    bool afterCell_ = false;
};

RichText readPlainText(std::string_view bytes) {
    RichText doc;
    doc.plainText = true;
    std::string line;
    const auto endLine = [&] {
        doc.append(line, CharFormat{});
        line.clear();
        doc.newParagraph();
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            endLine();
        } else if (byte == '\n') {
            endLine();
        } else if (const auto cp = static_cast<char32_t>(cp1252CodePoint(byte)); keptInText(cp)) {
            appendUtf8(line, cp);
        }
    }
    doc.append(line, CharFormat{});
    if (doc.paragraphs.size() > 1 && doc.paragraphs.back().runs.empty())
        doc.paragraphs.pop_back();
    return doc;
}

} // namespace

RichText readRichText(std::string_view bytes) {
    if (!bytes.starts_with("{\\rtf"))
        return readPlainText(bytes);
    return RtfReader(bytes).read();
}

} // namespace vintrel
