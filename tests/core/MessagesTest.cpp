#include "Messages.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const std::vector<std::string> Folders{VOLTRANE_CATALOGS};

// The language chosen for the rest of the program again when a test ends.
struct ChosenLanguage : testing::Test {
    const std::string before = CurrentLanguage();
    ~ChosenLanguage() override { UseLanguage(before, Folders); }
};

TEST(Messages, TheDesktopsLanguageIsReadAsGettextReadsIt)
{
    struct Row {
        std::map<std::string, std::string> environment;
        const char* language;
    };
    const Row rows[] = {
        {{}, "en"},
        {{{"LANG", "ja_JP.UTF-8"}}, "ja"},
        {{{"LANG", "ja"}}, "ja"},
        {{{"LANG", "de_DE.UTF-8"}}, "en"},
        {{{"LANG", "C"}, {"LANGUAGE", "ja"}}, "en"},            // LANGUAGE counts only outside the C locale
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "ja"}}, "ja"},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:ja_JP:en"}}, "ja"},
        {{{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "en"}}, "en"},
        {{{"LANG", "ja_JP.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}}, "en"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "ja_JP.eucJP@x"}}, "ja"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANGUAGE", ":ja:"}}, "ja"},
        {{{"LC_ALL", "POSIX"}, {"LANG", "ja_JP.UTF-8"}}, "en"},
    };
    for (const Row& row : rows) {
        const auto variable = [&](const char* name) -> const char* {
            const auto found = row.environment.find(name);
            return found == row.environment.end() ? nullptr : found->second.c_str();
        };
        std::string shown;
        for (const auto& [name, value] : row.environment) shown += name + "=" + value + " ";
        EXPECT_EQ(LanguageFromEnvironment({"en", "ja"}, variable), row.language) << shown;
    }
}

TEST(Messages, ArgumentsFillTheirNumberedPlacesInAnyOrder)
{
    EXPECT_EQ(FillArguments("%2 の %1", {"a", "b"}), "b の a");
    EXPECT_EQ(FillArguments("%1%1", {"x"}), "xx");
    EXPECT_EQ(FillArguments("100% and %3 and %", {"a", "b"}), "100% and %3 and %");  // no such argument
    EXPECT_EQ(FillArguments("%1", {"%2", "y"}), "%2");                              // arguments are not read again
}

TEST_F(ChosenLanguage, EachLanguageShowsItsCatalogAndEnglishShowsTheIds)
{
    EXPECT_EQ(CatalogLanguages(Folders), (std::vector<std::string>{"en", "ja"}));
    EXPECT_EQ(LanguageName("ja", Folders), "日本語");
    EXPECT_EQ(LanguageName("en", Folders), "English");

    ASSERT_TRUE(UseLanguage("ja", Folders));
    EXPECT_STREQ(TrIn("language name", "English"), "日本語");
    EXPECT_STREQ(Tr("A text no catalog holds"), "A text no catalog holds");
    const char* japanese = TrIn("language name", "English");

    EXPECT_FALSE(UseLanguage("xx", Folders));
    EXPECT_EQ(CurrentLanguage(), "xx");
    EXPECT_STREQ(TrIn("language name", "English"), "English");
    EXPECT_STREQ(japanese, "日本語");  // a text handed out before the change stays readable
}

}  // namespace
