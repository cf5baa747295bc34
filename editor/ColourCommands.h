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

// View → Colours: the board's colour scheme, one of four exclusive choices. The choice is stored in
// the user's settings and restored at the next start; it is applied at once to the open circuit's
// look, with the board painted anew (nothing of what the parts show changes), and handed to the
// windows beside the board that show levels.
class TColourCommands : public QObject {
public:
    // spread hands the scheme to the windows that show levels; it is called once at start too.
    TColourCommands(QObject& owner, const TActionManager& actions, TEditSession& session, Shell& shell,
                    std::function<void(TColourSchemeId)> spread);

    TColourSchemeId Scheme() const;
    // Applies the scheme and stores it; an error box when the settings cannot be written, the
    // scheme applied all the same.
    void Choose(TColourSchemeId scheme);

private:
    // The scheme checked, set in the look and handed on, without painting.
    void Use(TColourSchemeId scheme);
    void Apply(TColourSchemeId scheme);

    const TActionManager& actions_;
    TEditSession& session_;
    Shell& shell_;
    std::function<void(TColourSchemeId)> spread_;
};
