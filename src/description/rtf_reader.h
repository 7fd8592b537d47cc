#pragma once

#include "description/rich_text.h"

#include <string_view>

namespace vintrel {

/// The deepest group nesting the reader follows; deeper groups are skipped with what they hold.
inline constexpr int kMaxRtfGroupDepth = 200;

/// Reads a description. Bytes that start with "{\rtf" are rich text; anything else is plain
/// Windows-1252 text whose lines (ending in CR LF, LF or CR) become paragraphs.
///
/// The rich-text reader keeps the text with its font, size, colour, bold, italic, underline,
/// raise (`\up`, `\dn`), script (`\super`, `\sub`) and paragraph alignment; `\par`, `\line`,
/// `\tab`, the escapes `\'hh` (in the code page of `\ansicpg` or of the font's character set,
/// Windows-1252 when unknown) and `\uN` with its `\ucN` fallback. It skips the font and colour
/// tables after reading them, every `\*` group and the destinations it does not show (pictures,
/// objects, drawings, headers, footnotes, style sheets, …), and notes in `dropped` the kinds of
/// content it met there that the editor cannot keep. Table cells become tab-separated text,
/// a field shows its result.
///
/// Any bytes are read without failing: the reader is iterative, follows at most
/// `kMaxRtfGroupDepth` nested groups, clamps numeric parameters, bounds `\binN` by the bytes
/// left, and takes unbalanced braces and escapes cut off at the end as they come.
RichText readRichText(std::string_view bytes);

} // namespace vintrel
