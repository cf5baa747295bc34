#include "MessageText.h"
#include "TextKeys.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageText, EscapesWhatATerminalWouldObey)
{
    EXPECT_EQ(MessageText("plain 論理"), "plain 論理");
    EXPECT_EQ(MessageText("\x1B[2J\x07tab\there\r\n\x7F"), "\\x1B[2J\\x07tab\\x09here\\x0D\\x0A\\x7F");
    EXPECT_EQ(MessageText("c1 \xC2\x9B" "31m"), "c1 \\xC2\\x9B31m");  // U+009B, the one-character CSI
    EXPECT_EQ(MessageText("stray \x9B and cut \xE8\xAB"), "stray \\x9B and cut \\xE8\\xAB");
    EXPECT_EQ(MessagePath("/tmp/\x1B]0;title\x07.lgc"), "/tmp/\\x1B]0;title\\x07.lgc");
}

TEST(MessageText, CutsLongTextAtWholeCharacters)
{
    EXPECT_EQ(MessageText(std::string(80, 'a')), std::string(80, 'a'));
    EXPECT_EQ(MessageText(std::string(10'000'000, 'a')), std::string(80, 'a') + "…");
    std::string japanese;
    for (int i = 0; i < 100; ++i) japanese += "論";
    EXPECT_EQ(MessageText(japanese, 3), "論論論…");
    EXPECT_EQ(MessagePath(std::string(300, 'p')), std::string(300, 'p'));
}

TEST(MessageText, TheConversionErrorQuotesTheValueEscapedAndCut)
{
    const std::string value = "\x1B[31m" + std::string(1000, '9');
    EXPECT_EQ(std::string(TFormatError::NotInteger(value).what()),
              "'\\x1B[31m" + std::string(75, '9') + "…' は整数ではありません");
}

}  // namespace
