#pragma once

#include "ActionManager.h"
#include "Autosave.h"
#include "Document.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

class QMainWindow;
class QMenu;
class QMimeData;
class Shell;

// The document's commands in the window: New, Open, Save and Save As, the clipboard, the recent
// files of the file menu, files given on the command line or dropped on the window, and the
// recovery copy written every two minutes while there are unsaved changes.
class TDocumentCommands : public QObject {
public:
    // actionsChanged: the window's actions are to be enabled anew.
    TDocumentCommands(QMainWindow& window, TActionManager& actions, TDocument& document, TEditSession& session,
                      Shell& shell, std::function<void()> actionsChanged);

    // The recent files as the settings file keeps them; throws what a failed settings write throws.
    void SaveRecentFiles();
    // Opens a file as Open opens a chosen one.
    void OpenFile(const std::string& path);
    // Offers the recovery copy that an editor which ended without a clean exit left behind.
    void OfferRecovery();
    // Writes the recovery copy of a document with unsaved changes, or removes it when there are none.
    void Autosave();
    // A clean exit leaves no recovery copy behind.
    void RemoveRecovery() { autosave_.Remove(); }

    QMenu* mnuRecent;

protected:
    // A circuit file dropped on the window opens as with Open.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The first local file among dropped addresses, when the window can take one now.
    std::optional<std::string> DroppedFile(const QMimeData* data) const;
    void BuildRecentMenu();
    void LoadRecentFiles();

    TDocument& document_;
    TEditSession& s_;
    Shell& shell_;
    std::function<void()> actionsChanged_;
    TAutosave autosave_;
    QTimer autosaveTimer_;
};
