#include "FormPlacement.h"

#include "Cp932.h"
#include "IniFile.h"
#include "PlacementRules.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

constexpr size_t SectionBytes = 30;
constexpr const char* Keys[] = {"Top", "Left", "Width", "Height"};

TScreenRect RectOf(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

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

bool HasFormPlacement(const std::string& settingsFile, const std::string& caption)
{
    const TIniFile ini(settingsFile);
    const std::string section = PlacementSection(caption);
    return std::any_of(std::begin(Keys), std::end(Keys), [&](const char* key) { return ini.ValueExists(section, key); });
}

void LoadFormPlacement(QWidget& form, const std::string& caption, const std::string& settingsFile,
                       const std::optional<TFormPlacement>& first)
{
    TFormPlacement p;
    if (first && !HasFormPlacement(settingsFile, caption)) {
        p = *first;
    } else {
        const QSize screen = QGuiApplication::primaryScreen()->size();
        std::vector<TScreenRect> screens;
        for (const QScreen* s : QGuiApplication::screens()) screens.push_back(RectOf(s->geometry()));
        p = BringBackLost(KeepOnScreen(ReadFormPlacement(settingsFile, caption), screen.width(), screen.height()),
                          screens, WorkArea());
    }
    form.move(p.Left, p.Top);
    // Sized within the window's own minimum at once: a window that the window system has to
    // enlarge when it first shows it may be placed by its client corner instead of its frame's.
    const QSize minimum = form.minimumSizeHint().expandedTo(form.minimumSize());
    form.resize(std::max(p.Width, minimum.width()), std::max(p.Height, minimum.height()));
}

TScreenRect WorkArea() { return RectOf(QGuiApplication::primaryScreen()->availableGeometry()); }

TScreenRect FrameOf(const QWidget& window) { return RectOf(window.frameGeometry()); }
