#include "description/rtf_writer.h"

#include "base/codepage.h"

#include <algorithm>
#include <vector>

namespace vintrel {

namespace {

/// Escapes text for the body or a font name: ASCII as it is (with "\", "{" and "}" escaped),
/// Windows-1252 as "\'hh", anything else as "\uN?". Tabs and line breaks become control words.
void appendEscaped(std::string& out, std::string_view utf8) {
    bool afterWord = false;
    const auto word = [&](const char* text) {
        out += text;
        afterWord = true;
    };
    for (std::size_t at = 0; at < utf8.size();) {
        const long decoded = decodeUtf8(utf8, at);
        const unsigned long cp = decoded < 0 ? '?' : static_cast<unsigned long>(decoded);
        if (afterWord && cp != '\t' && cp != 0x2028)
            out += ' ';
        afterWord = false;
        if (cp == '\t') {
            word("\\tab");
        } else if (cp == 0x2028) {
            word("\\line");
        } else if (cp == '\\' || cp == '{' || cp == '}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp < 0x20) {
            // No other control character belongs in a description.
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (const int byte = cp1252Byte(cp); byte >= 0) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            const auto unit = [&](unsigned long value) {
                out += "\\u" +
                       std::to_string(static_cast<long>(value) - (value > 32767 ? 65536 : 0)) + "?";
            };
            if (cp > 0xFFFF) {
                unit(0xD800 + ((cp - 0x10000) >> 10));
                unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                unit(cp);
            }
        }
    }
    if (afterWord)
        out += ' ';
}

/// Font and colour tables of the document, in the order of first use.
struct Tables {
    std::vector<std::string> fonts;
    std::vector<TextColour> colours;

    int font(const std::string& name) {
        const auto found = std::find(fonts.begin(), fonts.end(), name);
        if (found != fonts.end())
            return static_cast<int>(found - fonts.begin());
        fonts.push_back(name);
        return static_cast<int>(fonts.size()) - 1;
    }
    int colour(const std::optional<TextColour>& colour) {
        if (!colour)
            return 0;
        const auto found = std::find(colours.begin(), colours.end(), *colour);
        if (found != colours.end())
            return static_cast<int>(found - colours.begin()) + 1;
        colours.push_back(*colour);
        return static_cast<int>(colours.size());
    }
};

/// The format as the file states it: font and colour as table entries, sizes made explicit.
struct WrittenFormat {
    int font = 0;
    int sizeHalfPoints = 24;
    int colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int raiseHalfPoints = 0;
    Script script = Script::Normal;
};

std::string fontName(const std::string& name, const TextDefaults& defaults) {
    std::string kept;
    for (const char c : name.empty() ? defaults.font : name)
        if (c != ';')
            kept += c;
    return kept;
}

/// The control words that turn `from` into `to`.
std::string formatChange(const WrittenFormat& from, const WrittenFormat& to) {
    std::string words;
    const auto number = [&](const char* word, int value) {
        words += word;
        words += std::to_string(value);
    };
    if (to.font != from.font)
        number("\\f", to.font);
    if (to.sizeHalfPoints != from.sizeHalfPoints)
        number("\\fs", to.sizeHalfPoints);
    if (to.colour != from.colour)
        number("\\cf", to.colour);
    if (to.bold != from.bold)
        words += to.bold ? "\\b" : "\\b0";
    if (to.italic != from.italic)
        words += to.italic ? "\\i" : "\\i0";
    if (to.underline != from.underline)
        words += to.underline ? "\\ul" : "\\ulnone";
    if (to.raiseHalfPoints != from.raiseHalfPoints) {
        if (to.raiseHalfPoints >= 0)
            number("\\up", to.raiseHalfPoints);
        else
            number("\\dn", -to.raiseHalfPoints);
    }
    if (to.script != from.script)
        words += to.script == Script::Super ? "\\super"
                 : to.script == Script::Sub ? "\\sub"
                                            : "\\nosupersub";
    return words;
}

const char* alignmentWord(ParagraphAlignment alignment) {
    switch (alignment) {
    case ParagraphAlignment::Centre:
        return "\\qc";
    case ParagraphAlignment::Right:
        return "\\qr";
    case ParagraphAlignment::Justify:
        return "\\qj";
    case ParagraphAlignment::Left:
        break;
    }
    return "";
}

} // namespace

std::string writeRtf(const RichText& text, const TextDefaults& defaults) {
    Tables tables;
    tables.font(fontName({}, defaults));
    std::string body;
    WrittenFormat current;
    for (const Paragraph& paragraph : text.paragraphs) {
        body += "\\pard";
        body += alignmentWord(paragraph.alignment);
        bool needsDelimiter = true;
        for (const TextRun& run : paragraph.runs) {
            if (run.text.empty())
                continue;
            const CharFormat& format = run.format;
            WrittenFormat next;
            next.font = tables.font(fontName(format.font, defaults));
            next.sizeHalfPoints =
                format.sizeHalfPoints > 0 ? format.sizeHalfPoints : defaults.sizeHalfPoints;
            next.colour = tables.colour(format.colour);
            next.bold = format.bold;
            next.italic = format.italic;
            next.underline = format.underline;
            next.raiseHalfPoints = format.raiseHalfPoints;
            next.script = format.script;
            const std::string change = formatChange(current, next);
            current = next;
            if (!change.empty()) {
                body += change;
                needsDelimiter = true;
            }
            if (needsDelimiter)
                body += ' ';
            needsDelimiter = false;
            appendEscaped(body, run.text);
        }
        body += "\\par\r\n";
    }

    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
    for (std::size_t i = 0; i < tables.fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
        appendEscaped(out, tables.fonts[i]);
        out += ";}";
    }
    out += "}\r\n";
    if (!tables.colours.empty()) {
        out += "{\\colortbl ;";
        for (const TextColour& colour : tables.colours)
            out += "\\red" + std::to_string(colour.red) + "\\green" + std::to_string(colour.green) +
                   "\\blue" + std::to_string(colour.blue) + ";";
        out += "}\r\n";
    }
    out += body;
    out += "}\r\n";
    return out;
}

} // namespace vintrel
