#include "CommaText.h"
#include "Cp932.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(CommaText, Encoding)
{
    struct Row {
        Lines lines;
        std::string text;
    };
    // clang-format off
    const Row rows[] = {
        {{},                      ""},
        {{""},                    "\"\""},
        {{"", ""},                ","},
        {{"a", ""},               "a,"},
        {{"ab", "cd"},            "ab,cd"},
        {{"a b"},                 "\"a b\""},
        {{"x\"y"},                "\"x\"\"y\""},
        {{"1,2", "z"},            "\"1,2\",z"},
        {{"\ttab"},               "\"\ttab\""},
        {{"日本語", "ｶﾅ"},        "日本語,ｶﾅ"},
        {{"全角　空白"},          "全角　空白"},  // a full-width space is no blank
    };
    // clang-format on
    for (const Row& row : rows) EXPECT_EQ(EncodeCommaText(row.lines), row.text);
}

TEST(CommaText, RoundTrips)
{
    const Lines cases[] = {
        {},
        {""},
        {"", "", ""},
        {"", "a"},
        {"a", "", "b"},
        {" leading", "trailing ", "  "},
        {"\"", "\"\"", "say \"hi\"", "\"quoted\""},
        {",", "a,b,", ",,"},
        {"日本語の行", "全角　スペース", "ＡＢＣ", "表示ソ能"},
        {"mixed 日本 text, \"quoted\""},
    };
    for (const Lines& lines : cases) EXPECT_EQ(DecodeCommaText(EncodeCommaText(lines)), lines);
}

TEST(CommaText, RoundTripsOnCodePage932BytesToo)
{
    // "表" and "ソ" end in the byte of a backslash; no second byte is ever a quote, comma or blank.
    const Lines lines = {Utf8ToCp932("表示ソ"), Utf8ToCp932("ソ, 表")};
    EXPECT_EQ(DecodeCommaText(EncodeCommaText(lines)), lines);
}

TEST(CommaText, Decoding)
{
    struct Row {
        std::string text;
        Lines lines;
    };
    // clang-format off
    const Row rows[] = {
        {"",                   {}},
        {"   ",                {}},
        {"a b",                {"a", "b"}},           // an unquoted blank separates items
        {"  a ,\t b  ",        {"a", "b"}},
        {"a,",                 {"a", ""}},            // a comma at the very end adds an empty item
        {"a, ",                {"a"}},                // not when blanks follow it
        {",",                  {"", ""}},
        {",,a",                {"", "", "a"}},
        {"\"a\"\"b\"",         {"a\"b"}},
        {"\"a\"b",             {"a", "b"}},
        {"\"open ended",       {"open ended"}},       // a missing closing quote runs to the end
        {"\"\"",               {""}},
        {std::string("a\0b", 3), {"a"}},              // a zero byte ends the text
    };
    // clang-format on
    for (const Row& row : rows) EXPECT_EQ(DecodeCommaText(row.text), row.lines) << "'" << row.text << "'";
}

}  // namespace
