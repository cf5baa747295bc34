#pragma once

#include "Messages.h"

#include <QObject>

#include <string>
#include <vector>

class QMenu;
class Shell;

// The language the program starts in: the one chosen in the language menu when it has a catalog,
// else the desktop's.
std::string StartLanguage(const std::string& settingsFile, const std::vector<std::string>& catalogFolders,
                          const TEnvironment& variable);

// The "Language / 表示言語" submenu, named in both languages so that it is found in either: follow the
// desktop, or one of the languages with a catalog, each by its own name. A choice is remembered in the
// settings and takes effect at the next start, which a message says.
class TLanguageCommands : public QObject {
public:
    TLanguageCommands(QMenu& into, Shell& shell, std::vector<std::string> catalogFolders);

private:
    void Choose(const std::string& language);

    Shell& shell_;
};
