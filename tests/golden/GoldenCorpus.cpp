#include "GoldenCorpus.h"

#include "PartU.h"
#include "SimWatch.h"
#include "UsageError.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include <stdexcept>

namespace {

// The files of the folder with the extension, sorted by name, without folder and extension.
std::vector<std::string> FileNames(const std::filesystem::path& folder, const std::string& extension)
{
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == extension) found.push_back(entry.path().stem().string());
    std::sort(found.begin(), found.end());
    return found;
}

// A seed that stays with the file's name, whatever else the folder holds.
uint32_t NameSeed(const std::string& name)
{
    uint32_t hash = 2166136261u;
    for (const unsigned char c : name) hash = (hash ^ c) * 16777619u;
    return hash;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

int64_t Number(const std::string& text)
{
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) throw std::runtime_error("'" + text + "' is no number");
    return value;
}

// The lines of the text without their ends; a last line end adds no empty line.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines = Split(text, '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

// The object voltrane-sim finds by the name, so watching it by name watches this very object.
bool Named(const TNamedObjects& named, const std::string& name, const TPartsBase* object)
{
    return !name.empty() && named.Lookup(name) == object;
}

// Whether voltrane-sim watches the object by its name alone.
bool IsIndicator(const TPartsBase& object)
{
    try {
        const TWatch watch("", object);
        return true;
    } catch (const TUsageError&) {
        return false;
    }
}

}  // namespace

std::vector<TGoldenCircuit> GoldenCircuits(const std::string& source)
{
    std::vector<TGoldenCircuit> circuits;
    for (int i = 1; i <= GoldenGenerated; ++i) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", i);
        circuits.push_back({std::string("random/") + number, "tests/golden/random/" + std::string(number) + ".lgc",
                            static_cast<uint32_t>(i)});
    }
    const std::filesystem::path root(source);
    for (const std::string& name : FileNames(root / "docs/examples", ".lgc"))
        circuits.push_back({"examples/" + name, "docs/examples/" + name + ".lgc", NameSeed(name)});
    for (const std::string& name : FileNames(root / "app/macros", ".lgm"))
        circuits.push_back({"macros/" + name, "app/macros/" + name + ".lgm", NameSeed(name)});
    return circuits;
}

std::string GoldenStem(const TGoldenCircuit& circuit) { return "tests/golden/" + circuit.Name; }

std::vector<std::string> GoldenWatches(const std::vector<std::string>& names, const TPartsList& loaded)
{
    const TNamedObjects named(names, loaded);
    std::vector<std::string> watches;
    for (size_t i = 0; i < names.size(); ++i) {
        const TPartsBase* o = loaded.Items(static_cast<int>(i));
        if (!o->Is(cfPart) || !Named(named, names[i], o)) continue;
        for (int k = 0; k < o->Tanshis.Count(); ++k) watches.push_back(names[i] + "." + std::to_string(k));
        if (IsIndicator(*o)) watches.push_back(names[i]);
    }
    return watches;
}

std::vector<std::string> GoldenClicks(const std::vector<std::string>& names, const TPartsList& loaded, uint32_t seed)
{
    std::mt19937 random(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const TNamedObjects named(names, loaded);
    std::vector<std::pair<int, std::string>> events;
    for (size_t i = 0; i < names.size(); ++i) {
        const TPartsBase* o = loaded.Items(static_cast<int>(i));
        if (!dynamic_cast<const TSwitch*>(o) || !Named(named, names[i], o)) continue;
        for (int n = pick(2, 6); n > 0; --n) {
            static const char* const kinds[] = {"--press=", "--release=", "--click="};
            const int pass = pick(1, static_cast<int>(GoldenPasses) - 1);
            events.emplace_back(pass, kinds[pick(0, 2)] + names[i] + "@" + std::to_string(pass));
        }
    }
    std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> options;
    for (auto& event : events) options.push_back(std::move(event.second));
    return options;
}

TGoldenRows ReadPrintedRows(const std::string& text)
{
    const std::vector<std::string> lines = Lines(text);
    if (lines.empty()) throw std::runtime_error("no header");
    std::vector<std::string> titles = Split(lines[0], '\t');
    if (titles.empty() || titles[0] != "pass") throw std::runtime_error("the header does not begin with 'pass'");
    TGoldenRows rows;
    for (size_t c = 1; c < titles.size(); ++c) rows.push_back({titles[c], {}});
    for (size_t r = 1; r < lines.size(); ++r) {
        const std::vector<std::string> cells = Split(lines[r], '\t');
        if (cells.size() != titles.size() || Number(cells[0]) != static_cast<int64_t>(r))
            throw std::runtime_error("row " + std::to_string(r) + " is not pass " + std::to_string(r) + " of " +
                                     std::to_string(rows.size()) + " columns: " + lines[r]);
        for (size_t c = 1; c < cells.size(); ++c) rows[c - 1].Values.push_back(cells[c]);
    }
    return rows;
}

std::string ChangesText(const TGoldenRows& rows)
{
    std::string text;
    for (const TGoldenColumn& column : rows) {
        text += column.Title + "\t" + (column.Values.empty() ? "" : column.Values[0]);
        for (size_t p = 1; p < column.Values.size(); ++p)
            if (column.Values[p] != column.Values[p - 1]) text += " " + column.Values[p] + "@" + std::to_string(p + 1);
        text += "\n";
    }
    return text;
}

TGoldenRows ReadChanges(const std::string& text, int64_t passes)
{
    TGoldenRows rows;
    for (const std::string& line : Lines(text)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) throw std::runtime_error("no tab after the column's title: " + line);
        const std::vector<std::string> changes = Split(line.substr(tab + 1), ' ');
        if (changes.empty() || changes[0].empty() || changes[0].find('@') != std::string::npos)
            throw std::runtime_error("no value at pass 1: " + line);
        TGoldenColumn column{line.substr(0, tab), {}};
        std::string value = changes[0];
        int64_t pass = 1;
        for (size_t i = 1; i < changes.size(); ++i) {
            const auto at = changes[i].find('@');
            if (at == std::string::npos) throw std::runtime_error("'" + changes[i] + "' has no @PASS: " + line);
            const int64_t change = Number(changes[i].substr(at + 1));
            if (change <= pass || change > passes) throw std::runtime_error("passes out of order: " + line);
            column.Values.insert(column.Values.end(), static_cast<size_t>(change - pass), value);
            value = changes[i].substr(0, at);
            pass = change;
        }
        column.Values.insert(column.Values.end(), static_cast<size_t>(passes + 1 - pass), value);
        rows.push_back(std::move(column));
    }
    return rows;
}
