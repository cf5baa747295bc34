#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Every text a user reads is written in the code in English, its message id, and shown in the chosen
// language, looked up in that language's gettext catalog: FOLDER/LANGUAGE/LC_MESSAGES/voltrane.mo.
// English needs no catalog: a language without one shows the ids.

// Chooses the language of every text looked up from now on; false when no folder holds its catalog.
bool UseLanguage(const std::string& language, const std::vector<std::string>& catalogFolders);
// The chosen language's code, "en" until another is chosen.
const std::string& CurrentLanguage();

// The languages that have a catalog in one of the folders, with "en" always among them, in code order.
std::vector<std::string> CatalogLanguages(const std::vector<std::string>& catalogFolders);
// The language's name in its own words ("日本語" for ja), from its catalog.
std::string LanguageName(const std::string& language, const std::vector<std::string>& catalogFolders);

using TEnvironment = std::function<const char*(const char*)>;
// The language the desktop asks for, read as gettext programs read it: the locale (LC_ALL, LC_MESSAGES,
// LANG) and, unless that is "C", the list in LANGUAGE first; each entry as ll_CC or ll. "en" when none of
// them has a catalog among the available languages.
std::string LanguageFromEnvironment(const std::vector<std::string>& available, const TEnvironment& variable);

// The catalog folders beside a program: PROGRAM_FOLDER/../share/locale, then the build tree's own.
std::vector<std::string> CatalogFolders(const std::string& programFolder);

// The text in the chosen language.
const char* Tr(const char* id);
// The text in the chosen language where the same English needs two translations.
const char* TrIn(const char* context, const char* id);
// The text in the chosen language with %1, %2, … replaced by the arguments, which are not translated.
std::string Tr(const char* id, std::initializer_list<std::string_view> arguments);

// Marks a text for the catalog where it is stored (a table of captions); it is translated where shown.
constexpr const char* TrMark(const char* id) { return id; }
// Marks a text with its context; TrIn translates it where shown.
constexpr const char* TrMarkIn(const char* /*context*/, const char* id) { return id; }

// Fills %1, %2, … of a text already translated.
std::string FillArguments(std::string_view text, std::initializer_list<std::string_view> arguments);
