// The main window's side of the document: file commands, the clipboard, recent files, files given
// on the command line or dropped on the window, and the recovery copy.
#include "VoltraneU.h"

#include "ClipboardCommands.h"
#include "FileError.h"
#include "IniFile.h"
#include "Shell.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>

#include <cctype>
#include <cstdio>
#include <filesystem>

namespace {

constexpr const char* RecentSection = "RecentFiles";
constexpr int AutosaveInterval = 2 * 60 * 1000;
constexpr const char* MsgRecover =
    "前回、保存されないまま終了した回路があります。復元しますか？\n"
    "（いいえ: 破棄します　キャンセル: 次回の起動まで残します）";

// Paths are kept as ASCII in the code page 932 settings file: other bytes as %XX.
std::string Escape(const std::string& path)
{
    std::string out;
    for (const unsigned char c : path) {
        if (c > ' ' && c < 0x7F && c != '%') {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

std::string Unescape(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The first local file among the dropped addresses.
std::optional<std::string> DroppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls()) return std::nullopt;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return url.toLocalFile().toStdString();
    return std::nullopt;
}

}  // namespace

void TfrmVoltrane::ConnectDocumentCommands()
{
    const TActionManager& a = ActionManager1;
    // A document saved, new or opened has nothing left to recover.
    const auto command = [this](auto run) {
        return [this, run] {
            run();
            if (!Modified) autosave_.Remove();
        };
    };
    connect(a.actNew, &QAction::triggered, this, command([this] { Document.New(); }));
    connect(a.actOpen, &QAction::triggered, this, command([this] { Document.Open(); }));
    connect(a.actSave, &QAction::triggered, this, command([this] { Document.Save(); }));
    connect(a.actSaveAs, &QAction::triggered, this, command([this] { Document.SaveAs(); }));
    connect(a.actCopy, &QAction::triggered, this, [this] { CopySelection(Session, shell_); });
    connect(a.actCut, &QAction::triggered, this, [this] { CutSelection(Session, shell_); });
    connect(a.actPaste, &QAction::triggered, this, [this] { PasteClipboard(Session, shell_); });
    connect(a.actSimStart, &QAction::triggered, this, [this] { Autosave(); }, Qt::DirectConnection);

    QMenu* file = menuBar()->actions().at(0)->menu();
    mnuRecent = new QMenu(QString::fromUtf8("最近使ったファイル(&R)"), this);
    file->insertSeparator(a.actExit);
    file->insertMenu(a.actExit, mnuRecent);
    file->insertSeparator(a.actExit);
    connect(mnuRecent, &QMenu::aboutToShow, this, [this] { BuildRecentMenu(); });
    LoadRecentFiles();

    autosaveTimer_.setInterval(AutosaveInterval);
    connect(&autosaveTimer_, &QTimer::timeout, this, [this] { Autosave(); });
    autosaveTimer_.start();
    setAcceptDrops(true);
}

// The desktop marks unsaved changes where the placeholder stands.
void TfrmVoltrane::SetTitle(const std::string& title) { setWindowTitle(QString::fromStdString(title) + "[*]"); }

void TfrmVoltrane::SetBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TfrmVoltrane::BuildRecentMenu()
{
    mnuRecent->clear();
    const std::vector<std::string>& paths = Document.Recent.Paths();
    for (size_t i = 0; i < paths.size(); ++i) {
        const std::string path = paths[i];
        QAction* entry = mnuRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QString::fromStdString(path)));
        entry->setEnabled(!Simulating());
        connect(entry, &QAction::triggered, this, [this, path] {
            if (!Document.OpenFile(path) && !std::filesystem::exists(path)) Document.Recent.Remove(path);
        });
    }
    mnuRecent->setEnabled(!paths.empty());
}

void TfrmVoltrane::LoadRecentFiles()
{
    const TIniFile ini(shell_.SettingsFile());
    std::vector<std::string> paths;
    for (size_t i = 1; i <= TRecentFiles::Capacity; ++i)
        paths.push_back(Unescape(ini.ReadString(RecentSection, "File" + std::to_string(i), "")));
    Document.Recent.Assign(paths);
    mnuRecent->setEnabled(!Document.Recent.Paths().empty());
}

void TfrmVoltrane::SaveRecentFiles()
{
    TIniFile ini(shell_.SettingsFile());
    const std::vector<std::string>& paths = Document.Recent.Paths();
    for (size_t i = 0; i < TRecentFiles::Capacity; ++i)
        ini.WriteString(RecentSection, "File" + std::to_string(i + 1), i < paths.size() ? Escape(paths[i]) : "");
}

void TfrmVoltrane::OpenStartFile(const std::string& path)
{
    Document.OpenFile(path);
    ScheduleActionUpdate();
}

void TfrmVoltrane::OfferRecovery()
{
    const std::optional<std::string> orphan = autosave_.Orphan();
    if (!orphan) return;
    switch (shell_.AskYesNoCancel(MsgRecover)) {
    case Shell::TAnswer::Yes:
        if (!Document.Load(*orphan, "")) return;
        Modified = true;
        Autosave();
        break;
    case Shell::TAnswer::No: break;
    case Shell::TAnswer::Cancel: return;
    }
    std::error_code ignored;
    std::filesystem::remove(*orphan, ignored);
    ScheduleActionUpdate();
}

void TfrmVoltrane::Autosave()
{
    if (!Modified) {
        autosave_.Remove();
        return;
    }
    TStrings lines;
    Document.Text(lines);
    try {
        autosave_.Write(lines);
    } catch (const TFileError&) {
        // A recovery copy that cannot be written is no reason to disturb the user's work.
    }
}

void TfrmVoltrane::dragEnterEvent(QDragEnterEvent* event)
{
    if (!Simulating() && DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void TfrmVoltrane::dropEvent(QDropEvent* event)
{
    const std::optional<std::string> path = DroppedFile(event->mimeData());
    if (!path || Simulating()) return;
    event->acceptProposedAction();
    Document.OpenFile(*path);
    ScheduleActionUpdate();
}
