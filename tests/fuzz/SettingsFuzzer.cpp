// Reads arbitrary bytes as the settings file and writes one of the program's settings into it, as
// the editor does when a window closes or a file is opened. The value written reads back, from the
// same object and from the file read anew; every other setting reads as before; and the file keeps
// every other line as it was, the written key replacing its own line or added to its section.
#include "FuzzSupport.h"
#include "IniFile.h"

#include <sstream>
#include <string_view>

namespace {

struct TSetting {
    std::string Section;
    std::string Key;
    bool Integer;
};

// The sections and keys the program stores: the recent files (paths escaped to printable ASCII),
// the step count, and the placement of the main window and the scope (captions as sections).
const std::vector<TSetting>& Settings()
{
    static const std::vector<TSetting> settings = [] {
        std::vector<TSetting> all;
        for (int i = 1; i <= 8; ++i) all.push_back({"RecentFiles", "File" + std::to_string(i), false});
        all.push_back({"Simulation", "StepPasses", true});
        for (const char* section : {"Voltrane　論理シミュレータ - ", "オシロスコープ"})
            for (const char* key : {"Top", "Left", "Width", "Height", "Maximized"}) all.push_back({section, key, true});
        return all;
    }();
    return settings;
}

// A path as the editor stores it: printable ASCII, other bytes as %XX.
std::string EscapedPath(std::string_view bytes)
{
    std::string out;
    for (const unsigned char c : bytes) {
        if (c > ' ' && c < 0x7F && c != '%') {
            out += static_cast<char>(c);
        } else {
            static const char digits[] = "0123456789ABCDEF";
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return out;
}

// The lines as the settings file's reader splits them.
std::vector<std::string> Lines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

uint64_t Mix(std::string_view bytes)
{
    uint64_t h = 1469598103934665603u;
    for (const unsigned char c : bytes) h = (h ^ c) * 1099511628211u;
    return h;
}

// The file after the write is the one before with the key's line replaced, the key added to its
// section, or the section with the key added at the end.
bool KeepsOtherLines(const std::vector<std::string>& before, const std::vector<std::string>& after,
                     const std::string& entry)
{
    if (after.size() == before.size()) {
        size_t changed = 0;
        for (size_t i = 0; i < after.size(); ++i)
            if (after[i] != before[i]) {
                if (after[i] != entry) return false;
                ++changed;
            }
        return changed <= 1;
    }
    if (after.size() == before.size() + 1) {
        for (size_t k = 0; k < after.size(); ++k) {
            if (after[k] != entry) continue;
            std::vector<std::string> without = after;
            without.erase(without.begin() + static_cast<std::ptrdiff_t>(k));
            if (without == before) return true;
        }
        return false;
    }
    return after.size() == before.size() + 2 && after.back() == entry &&
           std::equal(before.begin(), before.end(), after.begin());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(fuzz::Bytes(data, size));
    const std::string path = fuzz::ScratchFolder::File("voltrane.INI");
    fuzz::WriteBytes(path, bytes);
    const std::vector<TSetting>& settings = Settings();
    const std::string missing = "\x01";
    std::vector<std::string> before;
    TIniFile ini(path);
    for (const TSetting& s : settings) {
        before.push_back(ini.ReadString(s.Section, s.Key, missing));
        if (s.Integer) ini.ReadInteger(s.Section, s.Key, 0);
    }

    const uint64_t mix = Mix(bytes);
    const size_t chosen = mix % settings.size();
    const TSetting& setting = settings[chosen];
    std::string written;
    if (setting.Integer) {
        const auto value = static_cast<int32_t>(static_cast<uint32_t>(mix >> 32));
        ini.WriteInteger(setting.Section, setting.Key, value);
        FUZZ_REQUIRE(ini.ReadInteger(setting.Section, setting.Key, value ^ 1) == value);
        FUZZ_REQUIRE(TIniFile(path).ReadInteger(setting.Section, setting.Key, value ^ 1) == value);
        written = std::to_string(value);
    } else {
        written = EscapedPath(std::string_view(bytes).substr(bytes.size() - std::min<size_t>(bytes.size(), 40)));
        ini.WriteString(setting.Section, setting.Key, written);
        FUZZ_REQUIRE(ini.ReadString(setting.Section, setting.Key, missing) == written);
        FUZZ_REQUIRE(TIniFile(path).ReadString(setting.Section, setting.Key, missing) == written);
    }

    const TIniFile again(path);
    for (size_t i = 0; i < settings.size(); ++i) {
        if (i == chosen) continue;
        FUZZ_REQUIRE(ini.ReadString(settings[i].Section, settings[i].Key, missing) == before[i]);
        FUZZ_REQUIRE(again.ReadString(settings[i].Section, settings[i].Key, missing) == before[i]);
    }
    FUZZ_REQUIRE(KeepsOtherLines(Lines(bytes), Lines(fuzz::SourceFile(path)), setting.Key + "=" + written));
    return 0;
}
