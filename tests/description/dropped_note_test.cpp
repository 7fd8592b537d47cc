#include "description/rich_text.h"

#include <gtest/gtest.h>

using namespace vintrel;

TEST(DroppedContentNote, NamesEachKindOnOneLine) {
    EXPECT_EQ(droppedContentNote(0), "");
    EXPECT_EQ(droppedContentNote(kDroppedPictures),
              "This description holds pictures that the editor cannot keep: a change saves it "
              "without them (\"Discard all changes\" brings them back).");
    const std::string two = droppedContentNote(kDroppedPictures | kDroppedTables);
    EXPECT_NE(two.find("holds pictures and tables that"), std::string::npos) << two;
    const std::string three = droppedContentNote(kDroppedTables | kDroppedFields | kDroppedNesting);
    EXPECT_NE(three.find("holds tables, links or fields and deeply nested groups that"),
              std::string::npos)
        << three;
    EXPECT_EQ(three.find('\n'), std::string::npos);
}
