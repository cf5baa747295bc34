#include "Cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, RoundTripsJapaneseAndAscii)
{
    const std::string text = "ＭＳ ゴシック abc ｱｲｳ 論理";
    bool lost = true;
    const std::string bytes = Utf8ToCp932(text, &lost);
    EXPECT_FALSE(lost);
    EXPECT_EQ(Cp932ToUtf8(bytes), text);
    EXPECT_EQ(Utf8ToCp932("論"), "\x98\x5F");
}

TEST(Cp932, CountsHalfWidthAsOneByteAndFullWidthAsTwo)
{
    EXPECT_EQ(Cp932Length("abc"), 3u);
    EXPECT_EQ(Cp932Length("ｱｲｳ"), 3u);
    EXPECT_EQ(Cp932Length("アイウ"), 6u);
    EXPECT_EQ(Cp932Length(""), 0u);
}

TEST(Cp932, ReplacesWhatTheCodePageCannotHoldAndSaysSo)
{
    bool lost = false;
    EXPECT_EQ(Utf8ToCp932("a😀b", &lost), "a?b");
    EXPECT_TRUE(lost);
    EXPECT_EQ(Cp932ToUtf8("a\x81"), "a?");               // a lead byte cut off at the end
    EXPECT_EQ(Utf8ToCp932(std::string("x\xC3")), "x?");  // broken UTF-8 at the end
}
