#pragma once

#include "BoardLook.h"

#include <QObject>

#include <functional>
#include <string>

class Shell;
class TActionManager;
struct TEditSession;

// The scheme stored in the settings file; the normal one when none is stored or the stored text
// names no scheme.
TColourSchemeId StoredScheme(const std::string& settingsFile);

// View → Colours: the board's colour scheme, one of four exclusive choices, and View → Level tags,
// the 0/1 tags a run writes beside part terminals. Both are stored in the user's settings and
// restored at the next start; they are applied at once to the open circuit's look, with the board
// painted anew (nothing of what the parts show changes); the scheme is handed to the windows
// beside the board that show levels.
class TColourCommands : public QObject {
public:
    // spread hands the scheme to the windows that show levels; it is called once at start too.
    TColourCommands(QObject& owner, const TActionManager& actions, TEditSession& session, Shell& shell,
                    std::function<void(TColourSchemeId)> spread);

    TColourSchemeId Scheme() const;
    // Applies the scheme and stores it; an error box when the settings cannot be written, the
    // scheme applied all the same.
    void Choose(TColourSchemeId scheme);
    void ShowTags(bool show);

private:
    // The scheme checked, set in the look and handed on, without painting.
    void Use(TColourSchemeId scheme);
    void Apply(TColourSchemeId scheme);
    // Writes the key, or says why it could not.
    void Store(const char* key, const std::string& value);

    const TActionManager& actions_;
    TEditSession& session_;
    Shell& shell_;
    std::function<void(TColourSchemeId)> spread_;
};
