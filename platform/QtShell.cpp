#include "QtShell.h"

#include "UserFolders.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString BoxTitle = QStringLiteral("Voltrane");

QString Q(const std::string& s) { return QString::fromStdString(s); }

// "shown|pattern|shown|pattern" as Qt name filters, which take the patterns from the parentheses at
// the end; a shown text that names its pattern there already keeps it. "*.*" means every file, with a
// dot or not.
QStringList NameFilters(const std::string& filter)
{
    const QStringList parts = Q(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString shown = parts[i];
        const QString stated = "(" + parts[i + 1] + ")";
        QString pattern = parts[i + 1] == "*.*" ? QStringLiteral("*") : parts[i + 1];
        pattern.replace(';', ' ');
        if (shown.endsWith(stated) && pattern == parts[i + 1]) {
            filters << shown;
            continue;
        }
        if (shown.endsWith(stated)) shown.chop(stated.size());
        filters << shown.trimmed() + " (" + pattern + ")";
    }
    return filters;
}

std::optional<std::string> RunFileDialog(const Shell::TFileDialog& spec, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(NameFilters(spec.Filter));
    // Only a name to save under takes the extension: a name typed into the Open dialog is opened as
    // typed, so that a file without an extension is found, and a missing one is named as typed.
    if (mode == QFileDialog::AcceptSave) dialog.setDefaultSuffix(Q(spec.DefaultExt));
    if (!spec.FileName.empty()) dialog.selectFile(Q(spec.FileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

QtShell::QtShell()
{
    const std::string program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
    const TUserFolders user =
        UserFolders(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString(),
                    QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(), program);
    ImportOldCopy(QCoreApplication::applicationDirPath().toStdString(), program, user);
    dataFolder_ = user.Data;
    settingsFile_ = user.SettingsFile;
}

std::optional<std::string> QtShell::OpenFileName(const TFileDialog& dialog)
{
    return RunFileDialog(dialog, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtShell::SaveFileName(const TFileDialog& dialog)
{
    return RunFileDialog(dialog, QFileDialog::AcceptSave);
}

Shell::TAnswer QtShell::AskYesNoCancel(const std::string& text)
{
    const auto button = QMessageBox::question(QApplication::activeWindow(), BoxTitle, Q(text),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (button == QMessageBox::Yes) return TAnswer::Yes;
    if (button == QMessageBox::No) return TAnswer::No;
    return TAnswer::Cancel;
}

void QtShell::ShowError(const std::string& text)
{
    QMessageBox::critical(QApplication::activeWindow(), BoxTitle, Q(text));
}

void QtShell::ShowMessage(const std::string& text)
{
    QMessageBox::information(QApplication::activeWindow(), BoxTitle, Q(text));
}

bool QtShell::ClipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

std::string QtShell::ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

void QtShell::SetClipboardText(const std::string& text) { QGuiApplication::clipboard()->setText(Q(text)); }

std::string QtShell::InstalledMacroFolder()
{
    for (const QString& folder : {QCoreApplication::applicationDirPath() + "/../share/voltrane/macros",
                                  QStringLiteral(VOLTRANE_MACRO_SOURCE)})
        if (QFileInfo(folder).isDir()) return QFileInfo(folder).canonicalFilePath().toStdString();
    return {};
}

bool QtShell::OpenUrl(const std::string& url) { return QDesktopServices::openUrl(QUrl(Q(url))); }
