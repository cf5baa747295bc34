#include "BoardLook.h"

#include <gtest/gtest.h>

TEST(BoardLook, SchemesGoByTheirStoredNamesAndAnyOtherTextIsTheNormalScheme)
{
    for (int i = 0; i < ColourSchemeCount; ++i) {
        const auto id = static_cast<TColourSchemeId>(i);
        EXPECT_EQ(SchemeByName(SchemeName(id)), id) << SchemeName(id);
    }
    EXPECT_STREQ(SchemeName(TColourSchemeId::ColourBlind), "ColourBlind");
    for (const char* stored : {"", "dark", "Dark ", "3", "Purple", "Normal\r", "ColourBlind\x01"})
        EXPECT_EQ(SchemeByName(stored), TColourSchemeId::Normal) << stored;
    // A number no scheme has reads as the normal scheme rather than past the table's end.
    EXPECT_STREQ(SchemeName(static_cast<TColourSchemeId>(200)), "Normal");
    EXPECT_EQ(SchemeColours(static_cast<TColourSchemeId>(200)).Board, SchemeColours(TColourSchemeId::Normal).Board);
}
