#pragma once

#include "ActionManager.h"
#include "EditSession.h"

#include <QObject>

#include <string>
#include <vector>

class QMenu;
class QWidget;
class Shell;

// The macros of the window: their entries in the macro submenu after its placeholder, the
// register item of the sub-board's popup and the maintenance dialog, over the macro folder in the
// user's data folder. The macros installed with the program follow the user's own in the submenu,
// marked; they are placed like the others but never listed for maintenance, and no macro is
// registered under their names, so they are copied only under a new one.
class TMacroCommands : public QObject {
public:
    // The entries are kept in the window's list of them.
    TMacroCommands(QWidget& window, TActionManager& actions, QMenu& menu, std::vector<TAction*>& entries,
                   TEditSession& session, Shell& shell);
    // Writes the macro list; a list that cannot be written is said in an error box.
    ~TMacroCommands() override;

    std::string Folder() const;
    // Reads the user's list (made with the folder on the first start) and the installed macros, and
    // fills the submenu.
    void Load();
    // Asks for a name and registers the sub-board under the popup menu as a macro.
    void RegisterPopupBox();
    void Maintain();

private:
    // A macro entry of the submenu, choosing its macro for placement.
    TAction* NewEntry(const std::string& name);
    // Adds the entries after the placeholder in list order and hides the placeholder.
    void BuildEntries();
    // Appends the installed macros' entries after a dash at the end of the submenu.
    void BuildInstalledEntries();
    // Why the name cannot be registered: a name the folder cannot hold, or an installed macro's.
    std::string NameFault(const std::string& name) const;

    QWidget& window_;
    TActionManager& actions_;
    QMenu& menu_;
    // The entries of the submenu, in list order.
    std::vector<TAction*>& entries_;
    TEditSession& s_;
    Shell& shell_;
    TStrings installed_;
};
