#include "LanguageCommands.h"

#include "IniFile.h"
#include "Shell.h"
#include "Translated.h"

#include <QActionGroup>
#include <QMenu>

#include <algorithm>

namespace {

constexpr const char* Section = "Options";
constexpr const char* Key = "Language";
// The setting's value while the desktop decides.
constexpr const char* Desktop = "";

std::string ChosenSetting(const std::string& settingsFile)
{
    return TIniFile(settingsFile).ReadString(Section, Key, Desktop);
}

}  // namespace

std::string StartLanguage(const std::string& settingsFile, const std::vector<std::string>& catalogFolders,
                          const TEnvironment& variable)
{
    const std::vector<std::string> available = CatalogLanguages(catalogFolders);
    const std::string chosen = ChosenSetting(settingsFile);
    if (std::find(available.begin(), available.end(), chosen) != available.end()) return chosen;
    return LanguageFromEnvironment(available, variable);
}

TLanguageCommands::TLanguageCommands(QMenu& into, Shell& shell, std::vector<std::string> catalogFolders)
    : QObject(&into), shell_(shell)
{
    QMenu* menu = into.addMenu(QStringLiteral("&Language / 表示言語"));
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(menu);
    const std::string chosen = ChosenSetting(shell.SettingsFile());
    const auto add = [&](const QString& text, const std::string& language) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(language == chosen);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { Choose(language); });
    };
    add(QTr("Follow the &desktop"), Desktop);
    menu->addSeparator();
    for (const std::string& language : CatalogLanguages(catalogFolders))
        add(QString::fromStdString(LanguageName(language, catalogFolders)), language);
    if (!group->checkedAction()) group->actions().front()->setChecked(true);
}

void TLanguageCommands::Choose(const std::string& language)
{
    if (language == ChosenSetting(shell_.SettingsFile())) return;
    try {
        TIniFile(shell_.SettingsFile()).WriteString(Section, Key, language);
    } catch (const TIniFile::TWriteError& e) {
        shell_.ShowError(e.what());
        return;
    }
    shell_.ShowMessage(Tr("The new language is used from the next start of Voltrane."));
}
