#include "ColourCommands.h"

#include "ActionManager.h"
#include "EditSession.h"
#include "IniFile.h"
#include "Shell.h"

namespace {

constexpr const char* Section = "Options";
constexpr const char* Key = "ColourScheme";
constexpr const char* TagsKey = "LevelTags";

}  // namespace

TColourSchemeId StoredScheme(const std::string& settingsFile)
{
    return SchemeByName(TIniFile(settingsFile).ReadString(Section, Key, SchemeName(TColourSchemeId::Normal)));
}

TColourCommands::TColourCommands(QObject& owner, const TActionManager& actions, TEditSession& session, Shell& shell,
                                 std::function<void(TColourSchemeId)> spread)
    : QObject(&owner), actions_(actions), session_(session), shell_(shell), spread_(std::move(spread))
{
    for (TAction* action : actions_.SchemeActions)
        connect(action, &QAction::triggered, this,
                [this, action] { Choose(static_cast<TColourSchemeId>(action->data().toInt())); });
    connect(actions_.actLevelTags, &QAction::toggled, this, [this](bool show) { ShowTags(show); });
    // The window paints the board once it is assembled.
    Use(StoredScheme(shell_.SettingsFile()));
    const bool tags = TIniFile(shell_.SettingsFile()).ReadInteger(Section, TagsKey, 0) != 0;
    session_.Context.Look.LevelTags = tags;
    actions_.actLevelTags->setChecked(tags);
}

TColourSchemeId TColourCommands::Scheme() const { return session_.Context.Look.Scheme; }

void TColourCommands::Choose(TColourSchemeId scheme)
{
    Apply(scheme);
    Store(Key, SchemeName(scheme));
}

void TColourCommands::ShowTags(bool show)
{
    if (session_.Context.Look.LevelTags == show) return;
    session_.Context.Look.LevelTags = show;
    session_.Host.RepaintBoard();
    session_.Host.Paint();
    Store(TagsKey, show ? "1" : "0");
}

void TColourCommands::Store(const char* key, const std::string& value)
{
    try {
        TIniFile(shell_.SettingsFile()).WriteString(Section, key, value);
    } catch (const TIniFile::TWriteError& e) {
        shell_.ShowError(e.what());
    }
}

void TColourCommands::Use(TColourSchemeId scheme)
{
    const auto index = static_cast<size_t>(scheme);
    if (index >= actions_.SchemeActions.size()) return;
    actions_.SchemeActions[index]->setChecked(true);
    session_.Context.Look.Scheme = scheme;
    // Parts drawing live during a run draw on the window surface; the board surface takes the rim
    // with every redraw.
    session_.Host.WindowSurface().SetSpriteRim(session_.Context.Look.Colours().SpriteRim);
    if (spread_) spread_(scheme);
}

void TColourCommands::Apply(TColourSchemeId scheme)
{
    Use(scheme);
    session_.Host.RepaintBoard();
    session_.Host.Paint();
}
