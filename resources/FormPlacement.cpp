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
constexpr const char* MaximizedKey = "Maximized";

TScreenRect RectOf(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

// The work area of the screen under the middle of the window's frame, else of the primary screen.
TScreenRect WorkAreaAround(const TFormPlacement& p)
{
    const QPoint middle(p.Left + (p.Width + FrameAllowanceX) / 2, p.Top + (p.Height + FrameAllowanceY) / 2);
    const QScreen* screen = QGuiApplication::screenAt(middle);
    return RectOf((screen ? screen : QGuiApplication::primaryScreen())->availableGeometry());
}

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
    const bool maximized = form.isMaximized() || form.isFullScreen();
    // A maximized window is stored as it will come back when restored, not at the screen's size.
    const QRect normal = maximized && form.normalGeometry().isValid() ? form.normalGeometry() : form.geometry();
    const QPoint frameCorner = normal.topLeft() - (form.geometry().topLeft() - form.frameGeometry().topLeft());
    TIniFile ini(settingsFile);
    const std::string section = PlacementSection(caption);
    ini.WriteInteger(section, "Top", frameCorner.y());
    ini.WriteInteger(section, "Left", frameCorner.x());
    ini.WriteInteger(section, "Width", normal.width());
    ini.WriteInteger(section, "Height", normal.height());
    ini.WriteInteger(section, MaximizedKey, maximized ? 1 : 0);
}

bool ReadFormMaximized(const std::string& settingsFile, const std::string& caption)
{
    return TIniFile(settingsFile).ReadInteger(PlacementSection(caption), MaximizedKey, 0) != 0;
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
    // Sized within the window's own minimum at once: a window that the window system has to
    // enlarge when it first shows it may be placed by its client corner instead of its frame's.
    const QSize minimum = form.minimumSizeHint().expandedTo(form.minimumSize());
    const bool stored = !first || HasFormPlacement(settingsFile, caption);
    TFormPlacement p = first.value_or(TFormPlacement{});
    if (stored) {
        const QSize screen = QGuiApplication::primaryScreen()->size();
        std::vector<TScreenRect> screens;
        for (const QScreen* s : QGuiApplication::screens()) screens.push_back(RectOf(s->geometry()));
        p = BringBackLost(KeepOnScreen(ReadFormPlacement(settingsFile, caption), screen.width(), screen.height()),
                          screens, WorkArea());
    }
    p.Width = std::max(p.Width, minimum.width());
    p.Height = std::max(p.Height, minimum.height());
    if (stored) p = KeepFrameInside(p, WorkAreaAround(p));
    form.move(p.Left, p.Top);
    form.resize(std::max(p.Width, minimum.width()), std::max(p.Height, minimum.height()));
    // After the normal geometry, which moving and resizing would otherwise take the state from.
    if (stored && ReadFormMaximized(settingsFile, caption))
        form.setWindowState(form.windowState() | Qt::WindowMaximized);
}

TScreenRect WorkArea() { return RectOf(QGuiApplication::primaryScreen()->availableGeometry()); }

TScreenRect FrameOf(const QWidget& window) { return RectOf(window.frameGeometry()); }
