#include "FormPlacement.h"

#include "Cp932.h"
#include "IniFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

constexpr size_t SectionBytes = 30;
// The window system's coordinates are 16-bit; absurd stored numbers are brought into that range.
constexpr int64_t CoordinateLimit = 32767;

int32_t Clamp(int64_t v, int64_t low, int64_t high) { return static_cast<int32_t>(std::clamp(v, low, high)); }

}  // namespace

std::string PlacementSection(const std::string& caption)
{
    const std::string bytes = Utf8ToCp932(caption);
    size_t end = 0;
    while (end < bytes.size()) {
        const size_t next = end + (IsCp932LeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1);
        if (next > SectionBytes || next > bytes.size()) break;
        end = next;
    }
    return Cp932ToUtf8(bytes.substr(0, end));
}

TFormPlacement KeepOnScreen(TFormPlacement p, int screenWidth, int screenHeight)
{
    int64_t top = p.Top, left = p.Left;
    if (top > screenHeight) top = int64_t{screenHeight} - p.Height;
    if (left > screenWidth) left = int64_t{screenWidth} - p.Width;
    return {Clamp(top, -CoordinateLimit, CoordinateLimit), Clamp(left, -CoordinateLimit, CoordinateLimit),
            Clamp(p.Width, 0, CoordinateLimit), Clamp(p.Height, 0, CoordinateLimit)};
}

TFormPlacement ReadFormPlacement(const std::string& settingsFile, const std::string& caption)
{
    const TIniFile ini(settingsFile);
    const std::string section = PlacementSection(caption);
    const TFormPlacement defaults;
    return {ini.ReadInteger(section, "Top", defaults.Top), ini.ReadInteger(section, "Left", defaults.Left),
            ini.ReadInteger(section, "Width", defaults.Width), ini.ReadInteger(section, "Height", defaults.Height)};
}

void SaveFormPlacement(const QWidget& form, const std::string& caption, const std::string& settingsFile)
{
    TIniFile ini(settingsFile);
    const std::string section = PlacementSection(caption);
    ini.WriteInteger(section, "Top", form.y());
    ini.WriteInteger(section, "Left", form.x());
    ini.WriteInteger(section, "Width", form.width());
    ini.WriteInteger(section, "Height", form.height());
}

void LoadFormPlacement(QWidget& form, const std::string& caption, const std::string& settingsFile)
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const TFormPlacement p = KeepOnScreen(ReadFormPlacement(settingsFile, caption), screen.width(), screen.height());
    form.move(p.Left, p.Top);
    form.resize(p.Width, p.Height);
}
