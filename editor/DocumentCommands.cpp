#include "DocumentCommands.h"

#include "ClipboardCommands.h"
#include "FileError.h"
#include "IniFile.h"
#include "Shell.h"
#include "Translated.h"

#include <QDropEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace {

constexpr const char* RecentSection = "RecentFiles";
constexpr int AutosaveInterval = 2 * 60 * 1000;
constexpr const char* MsgRecover =
    TrMark("Last time the program ended with a circuit that had not been saved. Do you want to restore it?\n"
           "(No: discard it.  Cancel: keep it until the next start.)");

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

}  // namespace

TDocumentCommands::TDocumentCommands(QMainWindow& window, TActionManager& a, TDocument& document, TEditSession& session,
                                     Shell& shell, std::function<void()> actionsChanged)
    : QObject(&window),
      document_(document),
      s_(session),
      shell_(shell),
      actionsChanged_(std::move(actionsChanged)),
      autosave_(shell.DataFolder() + "/Recovery")
{
    // A document saved, new or opened has nothing left to recover.
    const auto command = [this](auto run) {
        return [this, run] {
            run();
            if (!s_.State.Modified) autosave_.Remove();
        };
    };
    connect(a.actNew, &QAction::triggered, this, command([this] { document_.New(); }));
    connect(a.actOpen, &QAction::triggered, this, command([this] { document_.Open(); }));
    connect(a.actSave, &QAction::triggered, this, command([this] { document_.Save(); }));
    connect(a.actSaveAs, &QAction::triggered, this, command([this] { document_.SaveAs(); }));
    connect(a.actCopy, &QAction::triggered, this, [this] { CopySelection(s_, shell_); });
    connect(a.actCut, &QAction::triggered, this, [this] { CutSelection(s_, shell_); });
    connect(a.actPaste, &QAction::triggered, this, [this] { PasteClipboard(s_, shell_); });
    connect(a.actSimStart, &QAction::triggered, this, [this] { Autosave(); }, Qt::DirectConnection);

    QMenu* file = window.menuBar()->actions().at(0)->menu();
    mnuRecent = new QMenu(QTr("&Recent files"), &window);
    file->insertSeparator(a.actExit);
    file->insertMenu(a.actExit, mnuRecent);
    file->insertSeparator(a.actExit);
    connect(mnuRecent, &QMenu::aboutToShow, this, [this] { BuildRecentMenu(); });
    LoadRecentFiles();

    autosaveTimer_.setInterval(AutosaveInterval);
    connect(&autosaveTimer_, &QTimer::timeout, this, [this] { Autosave(); });
    autosaveTimer_.start();
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

void TDocumentCommands::BuildRecentMenu()
{
    mnuRecent->clear();
    const std::vector<std::string>& paths = document_.Recent.Paths();
    for (size_t i = 0; i < paths.size(); ++i) {
        const std::string path = paths[i];
        QAction* entry = mnuRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QString::fromStdString(path)));
        entry->setEnabled(!s_.Context.Simulating);
        connect(entry, &QAction::triggered, this, [this, path] {
            if (!document_.OpenFile(path) && !std::filesystem::exists(path)) document_.Recent.Remove(path);
        });
    }
    mnuRecent->setEnabled(!paths.empty());
}

void TDocumentCommands::LoadRecentFiles()
{
    const TIniFile ini(shell_.SettingsFile());
    std::vector<std::string> paths;
    for (size_t i = 1; i <= TRecentFiles::Capacity; ++i)
        paths.push_back(Unescape(ini.ReadString(RecentSection, "File" + std::to_string(i), "")));
    document_.Recent.Assign(paths);
    mnuRecent->setEnabled(!document_.Recent.Paths().empty());
}

void TDocumentCommands::SaveRecentFiles()
{
    TIniFile ini(shell_.SettingsFile());
    const std::vector<std::string>& paths = document_.Recent.Paths();
    for (size_t i = 0; i < TRecentFiles::Capacity; ++i)
        ini.WriteString(RecentSection, "File" + std::to_string(i + 1), i < paths.size() ? Escape(paths[i]) : "");
}

void TDocumentCommands::OpenFile(const std::string& path)
{
    document_.OpenFile(path);
    actionsChanged_();
}

void TDocumentCommands::OfferRecovery()
{
    const std::optional<std::string> orphan = autosave_.Orphan();
    if (!orphan) return;
    switch (shell_.AskYesNoCancel(Tr(MsgRecover))) {
    case Shell::TAnswer::Yes:
        if (!document_.Load(*orphan, "")) return;
        s_.State.Modified = true;
        Autosave();
        break;
    case Shell::TAnswer::No: break;
    case Shell::TAnswer::Cancel: return;
    }
    std::error_code ignored;
    std::filesystem::remove(*orphan, ignored);
    actionsChanged_();
}

void TDocumentCommands::Autosave()
{
    if (!s_.State.Modified) {
        autosave_.Remove();
        return;
    }
    TStrings lines;
    document_.Text(lines);
    try {
        autosave_.Write(lines);
    } catch (const TFileError&) {
        // A recovery copy that cannot be written is no reason to disturb the user's work.
    }
}

bool TDocumentCommands::eventFilter(QObject* /*watched*/, QEvent* event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<std::string> path = DroppedFile(drop->mimeData());
    if (!path) return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) OpenFile(*path);
    return true;
}

std::optional<std::string> TDocumentCommands::DroppedFile(const QMimeData* data) const
{
    if (s_.Context.Simulating || !data || !data->hasUrls()) return std::nullopt;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return url.toLocalFile().toStdString();
    return std::nullopt;
}
