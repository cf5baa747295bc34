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
    return QApplication::exec();
}
