#include "AboutU.h"
#include "DMU.h"
#include "Fonts.h"
#include "LanguageCommands.h"
#include "ProgramIcon.h"
#include "QtShell.h"
#include "QtTranslations.h"
#include "VoltraneU.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    InstallFontSubstitutions();
    QtShell shell;
    // Every window's texts are looked up as it is built, so the language is chosen first.
    const auto catalogFolders = CatalogFolders(QCoreApplication::applicationDirPath().toStdString());
    const std::string language = StartLanguage(shell.SettingsFile(), catalogFolders, std::getenv);
    UseLanguage(language, catalogFolders);
    InstallQtTranslations(language);
    const TDM DM;
    TfrmVoltrane frmVoltrane(shell, DM);
    TfrmAbout frmAbout(shell, &frmVoltrane);
    frmVoltrane.frmAbout = &frmAbout;
    frmVoltrane.show();
    frmVoltrane.Documents->OfferRecovery();
    // voltrane FILE opens the circuit file, as a file manager asks it to.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) frmVoltrane.Documents->OpenFile(arguments.at(1).toStdString());
    return QApplication::exec();
}
