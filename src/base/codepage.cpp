#include "base/codepage.h"

namespace vintrel {

namespace {
// Code points of the bytes 0x80..0x9F in Windows-1252.
constexpr unsigned short kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

unsigned long cp1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHigh[byte - 0x80];
    return byte;
}

int cp1252Byte(unsigned long codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == codePoint)
            return 0x80 + i;
    return -1;
}

void appendUtf8(std::string& out, unsigned long cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

long decodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int extra = 0;
    unsigned long cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        ++pos;
        return -1;
    }
    if (pos + extra >= text.size()) {
        ++pos;
        return -1;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto c = static_cast<unsigned char>(text[pos + i]);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return -1;
        }
        cp = cp << 6 | (c & 0x3F);
    }
    static constexpr unsigned long kMin[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return -1;
    }
    pos += extra + 1;
    return static_cast<long>(cp);
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        appendUtf8(out, cp1252CodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const long cp = decodeUtf8(utf8, pos);
        if (cp < 0) {
            out += utf8[start];
            continue;
        }
        const int byte = cp1252Byte(static_cast<unsigned long>(cp));
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

std::string latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        appendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

std::string utf8ToLatin1(std::string_view utf8) {
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const long cp = decodeUtf8(utf8, pos);
        out += cp < 0 ? utf8[start] : static_cast<char>(cp & 0xFF);
    }
    return out;
}

} // namespace vintrel
