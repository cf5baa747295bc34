#include "VoltraneU.h"

#include "AboutU.h"
#include "AnalysisWindow.h"
#include "BoardAnalysis.h"
#include "BoardView.h"
#include "CircuitFile.h"
#include "ClipboardCommands.h"
#include "DMU.h"
#include "ExMemo.h"
#include "FormPlacement.h"
#include "HelpWindow.h"
#include "IniFile.h"
#include "LanguageCommands.h"
#include "MainMenu.h"
#include "PictureCommands.h"
#include "Messages.h"
#include "PlacementRules.h"
#include "ProbeLabels.h"
#include "Shell.h"
#include "StatusLine.h"
#include "TimingWindow.h"
#include "Viewport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace {

QFont PixelFont(const char* face, int pixels)
{
    QFont font(QString::fromUtf8(face));
    font.setPixelSize(pixels);
    return font;
}

bool IsInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return true;
    default:
        return false;
    }
}

}  // namespace

TfrmVoltrane::TfrmVoltrane(Shell& shell, const TDM& dm)
    : ActionManager1(this, dm.ImageList1),
      shell_(shell),
      view_(new TBoardView(this, &dm)),
      windows_(shell, &dm, *view_, view_->Viewport()),
      Circuit(&view_->BoardSurface())
{
    SetTitle(Document.Title());
    setFont(PixelFont(BoardFontFace, 12));
    setCentralWidget(view_);
    view_->setFocus();
    setAcceptDrops(true);
    mnuMacro = BuildMainMenu(*this, ActionManager1);
    Macros = std::make_unique<TMacroCommands>(*this, ActionManager1, *mnuMacro, MacroActions, Session, shell_);
    new TLanguageCommands(*menuBar()->findChild<QMenu*>(QStringLiteral("mnuView")), shell_,
                          CatalogFolders(QCoreApplication::applicationDirPath().toStdString()));
    BuildToolBars(*this, ActionManager1);
    const QFont menuFont = PixelFont("MS UI Gothic", 12);
    menuBar()->setFont(menuFont);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) menu->setFont(menuFont);
    addActions(QList<QAction*>(ActionManager1.All().begin(), ActionManager1.All().end()));
    ConnectActions();
    actionUpdate_.setSingleShot(true);
    actionUpdate_.setInterval(0);
    statusLine_ = new TStatusLine(*this, ActionManager1, Session, *Runs);
    viewCommands_ = new TViewCommands(*this, ActionManager1, *view_, Session, Mouse, windows_);
    connect(&actionUpdate_, &QTimer::timeout, this, [this] {
        UpdateActions();
        Tests->Refresh();
        statusLine_->Update();
    });
    qApp->installEventFilter(this);

    // The parts' text is written in the board font.
    BoardSurface().SetFont(BoardFontFace, 9);
    Circuit.Context.Windows = &windows_;
    Circuit.Context.Messages = &windows_;
    Circuit.Context.Simulating = false;
    shell_.SetClipboardText("");
    view_->SetInput(this);
    Redraw();
    Macros->Load();
    FillActionTable();
    LoadFormPlacement(*this, TitlePrefix, shell_.SettingsFile(), FirstMainPlacement(WorkArea()));
    UpdateActions();
    statusLine_->Update();
}

TfrmVoltrane::~TfrmVoltrane()
{
    qApp->removeEventFilter(this);
    // One settings file: when it cannot be written, one message says so.
    try {
        SaveFormPlacement(*this, TitlePrefix, shell_.SettingsFile());
        Documents->SaveRecentFiles();
    } catch (const TIniFile::TWriteError& error) {
        shell_.ShowError(error.what());
    }
    Documents->RemoveRecovery();
}

void TfrmVoltrane::ConnectActions()
{
    TActionManager& a = ActionManager1;
    for (TAction* action : a.All()) {
        connect(action, &QAction::triggered, this, [this] { ScheduleActionUpdate(); });
        if (!action->PartTool) continue;
        connect(action, &QAction::triggered, this, [this, action] {
            ToolClass = action->PartTool->ToolClass;
            ToolPartNo = action->PartTool->ToolPartNo;
        });
    }
    connect(a.actAuto, &QAction::triggered, this, [this] { ToolClass.clear(); });
    editing_ = new TBoardEditing(*this, ActionManager1, *view_, Session, Mouse, Popups, Document,
                                 [this] { ScheduleActionUpdate(); });
    connect(Popups.pmnuMacro_Add, &QAction::triggered, this, [this] { Macros->RegisterPopupBox(); });
    Documents = new TDocumentCommands(*this, ActionManager1, Document, Session, shell_, [this] { ScheduleActionUpdate(); });
    Pictures = new TPictureCommands(*this, ActionManager1, Session, Document, shell_,
                                    [this] { return view_->Viewport().Scale(); });
    mnuRecent = Documents->mnuRecent;
    Runs = new TRunCommands(
        *this, ActionManager1, Session, Document, *Documents, *view_, shell_, windows_.Probes(),
        [this] {
            for (TAction* action : ActionTable) action->setEnabled(false);
        },
        [this] { ScheduleActionUpdate(); });
    Tests = new TTestCommands(*this, ActionManager1, Session, Document, *Runs, shell_, frmTestReport);
    // The loop has returned: a close asked for during the run can go ahead.
    connect(a.actSimStart, &QAction::triggered, this, [this] {
        if (closeAfterRun_ && !Runs->Running()) close();
    });
    connect(a.actExit, &QAction::triggered, this, [this] { close(); });
    connect(a.actHelp, &QAction::triggered, this, [this] {
        // The guide speaks the interface's language.
        if (!frmHelp) frmHelp = new THelpWindow(GuideFolders(), this);
        frmHelp->show();
        frmHelp->raise();
        frmHelp->activateWindow();
    });
    connect(a.actTiming, &QAction::triggered, this, [this] {
        if (!frmTiming)
            frmTiming = new TTimingWindow(
                windows_.Probes(), shell_,
                [this](const TProbeChannel& channel) { return ProbeChannelLabel(Bord, channel); }, this);
        frmTiming->show();
        frmTiming->raise();
    });
    connect(a.actAnalysis, &QAction::triggered, this, [this] {
        if (!frmAnalysis)
            frmAnalysis = new TAnalysisWindow(
                shell_,
                [this](bool tellWhy, const std::vector<std::string>& added) {
                    return BoardAnalysis(Document, shell_, tellWhy, added);
                },
                [this](const TStrings& lines) {
                    if (Simulating()) {
                        shell_.ShowError(Tr("A circuit cannot be built on the board while the simulation runs."));
                        return false;
                    }
                    if (!PlaceBeside(Session, shell_, lines)) return false;
                    // Placed out of sight, the new circuit is brought into view with the old one.
                    const TRect placed = ObjectBounds(SelectedParts), shown = ShownArea();
                    if (placed.Left < shown.Left || placed.Top < shown.Top || placed.Right > shown.Right ||
                        placed.Bottom > shown.Bottom)
                        ActionManager1.actZoomFit->trigger();
                    return true;
                },
                this);
        frmAnalysis->show();
        frmAnalysis->raise();
    });
    connect(a.actAbout, &QAction::triggered, this, [this] {
        if (frmAbout) frmAbout->exec();
    });
}

void TfrmVoltrane::FillActionTable()
{
    const TActionManager& a = ActionManager1;
    ActionTable = {a.actNew,      a.actOpen,       a.actSave,        a.actMove,    a.actCode,      a.actDelete,
                   a.actAuto,     a.actNAND2,      a.actNOR2,        a.actNOT,     a.actEOR2,      a.actRLED,
                   a.actPUSHSW,   a.actTGLSW,      a.actJKFF,        a.actCopy,    a.actCut,       a.actPaste,
                   a.actAND2,     a.actOR2,        a.actPULSER,      a.actText,    a.actDFF,       a.actTFF,
                   a.actFA,       a.actENOR,       a.actSCOPE,       a.actLED7SEG, a.act2TO10,     a.act10TO2,
                   a.act7SEG,     a.actContainer,  a.actInTerminal,  a.actOutTerminal, a.actOneShot, a.actUndo,
                   a.actRedo,     a.actMatrix8X8};
}

// The desktop marks unsaved changes where the placeholder stands.
void TfrmVoltrane::SetTitle(const std::string& title) { setWindowTitle(QString::fromStdString(title) + "[*]"); }

void TfrmVoltrane::CheckSelectTool() { ActionManager1.actAuto->setChecked(true); }

void TfrmVoltrane::DocumentReplaced() { view_->Reset(); }

void TfrmVoltrane::SetBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TfrmVoltrane::RedrawBoard()
{
    Bord.ShowAll();
    RepaintBoard();
}

void TfrmVoltrane::RepaintBoard()
{
    view_->SetContent(ObjectBounds(Bord));
    ::RedrawBoard(Bord, BoardSurface(), view_->Viewport().VisibleBoard());
}

void TfrmVoltrane::Paint()
{
    const TRect shown = view_->Viewport().VisibleBoard();
    WindowSurface().CopyRect(shown, BoardSurface(), shown);
}

void TfrmVoltrane::ScheduleActionUpdate()
{
    if (!actionUpdate_.isActive()) actionUpdate_.start();
}

void TfrmVoltrane::UpdateActions()
{
    const TActionManager& a = ActionManager1;
    const auto set = [](QAction* action, bool enabled) {
        if (action->isEnabled() != enabled) action->setEnabled(enabled);
    };
    for (TAction* action : ActionTable)
        if (action != a.actSave && action != a.actCopy && action != a.actCut && action != a.actUndo &&
            action != a.actRedo)
            set(action, !Simulating());
    set(a.actSave, Modified);
    if (isWindowModified() != Modified) setWindowModified(Modified);
    set(a.actTest, !Simulating());
    for (QAction* action : {a.actCopy, a.actCut, a.actDel, a.actRound}) set(action, !SelectedParts.Empty());
    set(a.actBoxSelection, !SelectedParts.Empty() && !Simulating());
    set(a.actUndo, Circuit.UndoQue().CanUndo());
    set(a.actRedo, Circuit.UndoQue().CanRedo());
    Runs->UpdateActions();
}

bool TfrmVoltrane::eventFilter(QObject* watched, QEvent* event)
{
    if (IsInput(event->type())) ScheduleActionUpdate();
    if (event->type() != QEvent::KeyPress) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    // The window sees these keys before any of its controls does.
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Delete:
        // The text box's own editor deletes characters as any editor does.
        if (dynamic_cast<TExMemo*>(QApplication::focusWidget())) return false;
        // The delete command runs whatever the enabled state of its action, also while simulating.
        emit ActionManager1.actDel->triggered(false);
        return true;
    case Qt::Key_Escape:
        Mouse.Escape();
        return true;
    default:
        return false;
    }
}

void TfrmVoltrane::dragEnterEvent(QDragEnterEvent* event)
{
    if (Documents->DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void TfrmVoltrane::dropEvent(QDropEvent* event)
{
    const std::optional<std::string> path = Documents->DroppedFile(event->mimeData());
    if (!path) return;
    event->acceptProposedAction();
    Documents->OpenFile(*path);
}

void TfrmVoltrane::closeEvent(QCloseEvent* event)
{
    if (!closeAfterRun_ && !Document.ConfirmDiscard()) {
        event->ignore();
        return;
    }
    Circuit.Context.Simulating = false;
    if (Runs->Running()) {
        // The loop ends after its current pass; the window closes as soon as it has returned.
        closeAfterRun_ = true;
        event->ignore();
        return;
    }
    event->accept();
}
