#include "description/rich_text.h"

namespace vintrel {

std::string RichText::plain() const {
    std::string text;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            text += '\n';
        for (const TextRun& run : paragraphs[i].runs) {
            std::string_view rest = run.text;
            for (std::size_t at = rest.find(kLineBreak); at != std::string_view::npos;
                 at = rest.find(kLineBreak)) {
                text += rest.substr(0, at);
                text += '\n';
                rest.remove_prefix(at + kLineBreak.size());
            }
            text += rest;
        }
    }
    return text;
}

void RichText::append(std::string_view text, const CharFormat& format) {
    if (text.empty())
        return;
    if (paragraphs.empty())
        paragraphs.emplace_back();
    std::vector<TextRun>& runs = paragraphs.back().runs;
    if (!runs.empty() && runs.back().format == format)
        runs.back().text += text;
    else
        runs.push_back({std::string(text), format});
}

void RichText::newParagraph(ParagraphAlignment alignment) {
    paragraphs.push_back(Paragraph{alignment, {}});
}

std::string droppedContentNote(unsigned dropped) {
    static constexpr struct {
        DroppedContent bit;
        const char* name;
    } kNames[] = {
        {kDroppedPictures, "pictures"},
        {kDroppedTables, "tables"},
        {kDroppedObjects, "embedded objects"},
        {kDroppedFields, "links or fields"},
        {kDroppedDrawings, "drawings"},
        {kDroppedNotes, "footnotes or comments"},
        {kDroppedHeadersFooters, "headers or footers"},
        {kDroppedHiddenText, "hidden text"},
        {kDroppedNesting, "deeply nested groups"},
    };
    std::vector<const char*> names;
    for (const auto& kind : kNames)
        if ((dropped & kind.bit) != 0)
            names.push_back(kind.name);
    if (names.empty())
        return {};
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            list += i + 1 == names.size() ? " and " : ", ";
        list += names[i];
    }
    return "This description holds " + list +
           " that the editor cannot keep: a change saves it without them (\"Discard all "
           "changes\" brings them back).";
}

} // namespace vintrel
