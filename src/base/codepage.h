#pragma once

#include <string>
#include <string_view>

namespace vintrel {

// Names and descriptions in containers and result files are 8-bit text in the Windows-1252
// code page. Texts are kept as the stored bytes and converted only at the edges (screen,
// terminal, JSON). The five bytes that Windows-1252 leaves undefined map to the C1 control
// code points of the same value, so every byte string survives a round trip unchanged.

/// Windows-1252 bytes to UTF-8.
std::string cp1252ToUtf8(std::string_view bytes);
/// UTF-8 to Windows-1252 bytes; characters outside the code page become '?'. Invalid UTF-8
/// sequences are taken byte by byte as Windows-1252.
std::string utf8ToCp1252(std::string_view utf8);
/// Latin-1 bytes (each byte the character of the same code) to UTF-8.
std::string latin1ToUtf8(std::string_view bytes);
/// UTF-8 to Latin-1 bytes, keeping the low eight bits of each character.
std::string utf8ToLatin1(std::string_view utf8);

/// The code point of one Windows-1252 byte.
unsigned long cp1252CodePoint(unsigned char byte);
/// The Windows-1252 byte of a code point, or -1 when the code page has none.
int cp1252Byte(unsigned long codePoint);

/// Decodes one UTF-8 sequence at `pos`; returns the code point and advances `pos`, or returns
/// -1 (advancing by one byte) when the bytes there are not valid UTF-8.
long decodeUtf8(std::string_view text, std::size_t& pos);
/// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, unsigned long codePoint);

} // namespace vintrel
