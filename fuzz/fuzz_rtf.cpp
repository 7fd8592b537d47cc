// Feeds arbitrary bytes to the description reader, writes what it read and reads that again.
// Any crash, leak, undefined behaviour, text that is not clean UTF-8, or a writer whose second
// output differs from its first is a bug.
#include "base/codepage.h"
#include "description/rtf_reader.h"
#include "description/rtf_writer.h"

#include <cstdlib>
#include <string_view>

namespace {

using namespace vintrel;

/// Every run holds valid UTF-8 without control characters other than the tab.
void checkText(const RichText& text) {
    if (text.paragraphs.empty())
        std::abort();
    for (const Paragraph& paragraph : text.paragraphs)
        for (const TextRun& run : paragraph.runs) {
            if (run.text.empty())
                std::abort();
            for (std::size_t at = 0; at < run.text.size();) {
                const long cp = decodeUtf8(run.text, at);
                if (cp < 0 || (cp < 0x20 && cp != '\t') || cp == 0xFFFC)
                    std::abort();
            }
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const RichText first = readRichText(bytes);
    checkText(first);
    (void)first.plain();
    const std::string written = writeRtf(first);
    const RichText second = readRichText(written);
    checkText(second);
    if (second.dropped != 0 || second.plainText)
        std::abort();
    if (writeRtf(second) != written)
        std::abort();
    return 0;
}
