#include "AboutU.h"
#include "DMU.h"
#include "Fonts.h"
#include "ProgramIcon.h"
#include "QtShell.h"
#include "VoltraneU.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    InstallFontSubstitutions();
    QtShell shell;
    const TDM DM;
    TfrmVoltrane frmVoltrane(shell, DM);
    TfrmAbout frmAbout(shell, &frmVoltrane);
    frmVoltrane.frmAbout = &frmAbout;
    frmVoltrane.show();
    frmVoltrane.OfferRecovery();
    // voltrane FILE opens the circuit file, as a file manager asks it to.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) frmVoltrane.OpenStartFile(arguments.at(1).toStdString());
    return QApplication::exec();
}
