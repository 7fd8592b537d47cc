#pragma once

#include "description/rich_text.h"

#include <string>

namespace vintrel {

/// Writes a description as rich text that `readRichText` reads back to the same paragraphs
/// and formats (runs in the default font or size come back naming the defaults). The text is
/// written in Windows-1252 with `\'hh` escapes; characters outside it as `\uN` with "?" as
/// fallback. Lines end in CR LF.
std::string writeRtf(const RichText& text, const TextDefaults& defaults = {});

} // namespace vintrel
