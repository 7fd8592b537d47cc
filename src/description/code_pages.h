#pragma once

namespace vintrel {

// The single-byte Windows code pages that rich text names with `\ansicpg`, `\cpg` or a font's
// `\fcharset`. Bytes below 0x80 are ASCII in all of them; a byte a code page leaves undefined
// stands for the C1 control code point of the same value.

/// Whether `codePage` is one of the single-byte Windows code pages known here (874 and 1250 to
/// 1258).
bool knownCodePage(int codePage);

/// The code page to decode with: `codePage` when known, Windows-1252 otherwise (an unknown,
/// multi-byte or hostile code page number).
int usableCodePage(int codePage);

/// The code point of one byte in a code page; an unknown code page decodes as Windows-1252.
char32_t codePageCodePoint(int codePage, unsigned char byte);

/// The code page of a font's character set number (`\fcharset`): 0 (ANSI) and 1 (default)
/// give `documentCodePage`, 238 Central European 1250, 204 Cyrillic 1251, 161 Greek 1253, 162
/// Turkish 1254, 177 Hebrew 1255, 178 Arabic 1256, 186 Baltic 1257, 163 Vietnamese 1258, 222
/// Thai 874; every other set (symbol fonts, the multi-byte sets, unknown numbers) gives
/// Windows-1252.
int charsetCodePage(int charset, int documentCodePage);

} // namespace vintrel
