#include "Messages.h"

#include <boost/locale/gnu_gettext.hpp>
#include <boost/locale/message.hpp>

#include <algorithm>
#include <filesystem>
#include <locale>
#include <memory>

namespace {

constexpr const char* Domain = "voltrane";
constexpr const char* NameContext = "language name";
// Translators: the name of your language in your language, as the language menu lists it.
constexpr const char* OwnName = TrMarkIn("language name", "English");

using TCatalog = boost::locale::message_format<char>;

// One language's catalog, held as a locale that carries only the message facet, so that nothing else
// of the C++ or C library's locale state is touched.
struct TLoadedLanguage {
    std::string Code = "en";
    std::locale Holder = std::locale::classic();
    const TCatalog* Catalog = nullptr;
};

bool HasCatalog(const std::string& folder, const std::string& language)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(
        std::filesystem::path(folder) / language / "LC_MESSAGES" / (std::string(Domain) + ".mo"), ignored);
}

TLoadedLanguage Load(const std::string& language, const std::vector<std::string>& catalogFolders)
{
    TLoadedLanguage loaded;
    loaded.Code = language;
    const auto folder = std::find_if(catalogFolders.begin(), catalogFolders.end(),
                                     [&](const std::string& f) { return HasCatalog(f, language); });
    if (folder == catalogFolders.end()) return loaded;
    boost::locale::gnu_gettext::messages_info info;
    info.language = language;
    info.encoding = "UTF-8";
    info.paths = {*folder};
    info.domains = {boost::locale::gnu_gettext::messages_info::domain(Domain)};
    loaded.Holder = std::locale(std::locale::classic(), boost::locale::gnu_gettext::create_messages_facet<char>(info));
    loaded.Catalog = &std::use_facet<TCatalog>(loaded.Holder);
    return loaded;
}

// The chosen language; earlier ones stay loaded, since texts handed out from them may still be shown.
std::vector<std::unique_ptr<TLoadedLanguage>>& Languages()
{
    static std::vector<std::unique_ptr<TLoadedLanguage>> languages = [] {
        std::vector<std::unique_ptr<TLoadedLanguage>> first;
        first.push_back(std::make_unique<TLoadedLanguage>());
        return first;
    }();
    return languages;
}

const TLoadedLanguage& Chosen() { return *Languages().back(); }

const char* Lookup(const TLoadedLanguage& language, const char* context, const char* id)
{
    if (!language.Catalog) return id;
    const char* text = language.Catalog->get(0, context, id);
    return text && *text ? text : id;
}

// "ja_JP.UTF-8@euro" → {"ja_JP", "ja"}.
std::vector<std::string> Candidates(std::string entry)
{
    entry = entry.substr(0, entry.find_first_of(".@"));
    std::vector<std::string> candidates;
    if (entry.empty()) return candidates;
    candidates.push_back(entry);
    if (const auto bar = entry.find('_'); bar != std::string::npos) candidates.push_back(entry.substr(0, bar));
    return candidates;
}

}  // namespace

bool UseLanguage(const std::string& language, const std::vector<std::string>& catalogFolders)
{
    Languages().push_back(std::make_unique<TLoadedLanguage>(Load(language, catalogFolders)));
    return Chosen().Catalog != nullptr;
}

const std::string& CurrentLanguage() { return Chosen().Code; }

std::vector<std::string> CatalogLanguages(const std::vector<std::string>& catalogFolders)
{
    std::vector<std::string> languages{"en"};
    for (const auto& folder : catalogFolders) {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
            const std::string code = entry.path().filename().string();
            if (HasCatalog(folder, code) && std::find(languages.begin(), languages.end(), code) == languages.end())
                languages.push_back(code);
        }
    }
    std::sort(languages.begin(), languages.end());
    return languages;
}

std::string LanguageName(const std::string& language, const std::vector<std::string>& catalogFolders)
{
    return Lookup(Load(language, catalogFolders), NameContext, OwnName);
}

std::string LanguageFromEnvironment(const std::vector<std::string>& available, const TEnvironment& variable)
{
    auto value = [&](const char* name) {
        const char* text = variable(name);
        return std::string(text ? text : "");
    };
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = value(name); !locale.empty()) break;
    if (locale.empty() || locale == "C" || locale == "POSIX") return "en";

    std::vector<std::string> entries;
    const std::string list = value("LANGUAGE");
    for (size_t start = 0; start < list.size();) {
        const size_t end = std::min(list.find(':', start), list.size());
        entries.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    entries.push_back(locale);
    for (const auto& entry : entries)
        for (const auto& candidate : Candidates(entry))
            if (std::find(available.begin(), available.end(), candidate) != available.end()) return candidate;
    return "en";
}

std::vector<std::string> CatalogFolders(const std::string& programFolder)
{
    return {(std::filesystem::path(programFolder) / ".." / "share" / "locale").lexically_normal().string(),
            VOLTRANE_BUILD_CATALOGS};
}

const char* Tr(const char* id) { return Lookup(Chosen(), nullptr, id); }

const char* TrIn(const char* context, const char* id) { return Lookup(Chosen(), context, id); }

std::string Tr(const char* id, std::initializer_list<std::string_view> arguments)
{
    return FillArguments(Tr(id), arguments);
}

std::string FillArguments(std::string_view text, std::initializer_list<std::string_view> arguments)
{
    std::string filled;
    filled.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t number = i + 1 < text.size() && text[i] == '%' ? size_t(text[i + 1] - '0') : 0;
        if (number >= 1 && number <= arguments.size()) {
            filled += arguments.begin()[number - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
