#include "VoltraneU.h"

#include "AboutU.h"
#include "BoardView.h"
#include "CircuitFile.h"
#include "DMU.h"
#include "ExMemo.h"
#include "FormPlacement.h"
#include "IniFile.h"
#include "MacroNames.h"
#include "MainMenu.h"
#include "PlacementRules.h"
#include "Shell.h"
#include "StatusLine.h"

#include <QApplication>
#include <QCloseEvent>
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
      view_(new TBoardView(*this)),
      boardSurface_(0, 0, &dm),
      windowSurface_(0, 0, &dm, *view_),
      windows_(shell, &dm, *view_),
      Circuit(&boardSurface_),
      autosave_(shell.DataFolder() + "/Recovery")
{
    SetTitle(Document.Title());
    setFont(PixelFont(BoardFontFace, 12));
    setCentralWidget(view_);
    view_->setFocus();
    mnuMacro = BuildMainMenu(*this, ActionManager1);
    BuildToolBars(*this, ActionManager1);
    const QFont menuFont = PixelFont("MS UI Gothic", 12);
    menuBar()->setFont(menuFont);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) menu->setFont(menuFont);
    addActions(QList<QAction*>(ActionManager1.All().begin(), ActionManager1.All().end()));
    ConnectActions();
    actionUpdate_.setSingleShot(true);
    actionUpdate_.setInterval(0);
    statusLine_ = new TStatusLine(*this);
    connect(&actionUpdate_, &QTimer::timeout, this, [this] {
        UpdateActions();
        RefreshTestReport();
        statusLine_->Update();
    });
    qApp->installEventFilter(this);

    // The board surface has the client size; the parts' text is written in the board font.
    const QSize client = view_->size();
    boardSurface_.Resize(client.width(), client.height());
    boardSurface_.SetFont(BoardFontFace, 9);
    windowSurface_.Resize(client.width(), client.height());
    Circuit.Context.Windows = &windows_;
    Circuit.Context.Messages = &windows_;
    Circuit.Context.Simulating = false;
    shell_.SetClipboardText("");
    Redraw();
    LoadMacroMenu();
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
        SaveRecentFiles();
    } catch (const TIniFile::TWriteError& error) {
        shell_.ShowError(error.what());
    }
    try {
        SaveMacroNames(MacroFolder(), MacroNames);
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
    }
    // A clean exit leaves no recovery copy behind.
    autosave_.Remove();
}

std::string TfrmVoltrane::MacroFolder() const { return shell_.DataFolder() + "/Macro"; }

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
    ConnectEditCommands();
    ConnectDocumentCommands();
    ConnectRunCommands();
    connect(a.actTest, &QAction::triggered, this, [this] { actTestExecute(); });
    connect(a.actExit, &QAction::triggered, this, [this] { close(); });
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

void TfrmVoltrane::LoadMacroMenu()
{
    const std::string folder = MacroFolder();
    QDir().mkpath(QString::fromStdString(folder));
    try {
        MacroNames = LoadMacroNames(folder);
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
    }
    BuildMacroEntries();
}

void TfrmVoltrane::BuildMacroEntries()
{
    QAction* placeholder = ActionManager1.Action1;
    const QList<QAction*> items = mnuMacro->actions();
    QAction* before = items.indexOf(placeholder) + 1 < items.size() ? items[items.indexOf(placeholder) + 1] : nullptr;
    for (auto name = MacroNames.rbegin(); name != MacroNames.rend(); ++name) {
        TAction* entry = NewMacroEntry(*name);
        mnuMacro->insertAction(before, entry);
        before = entry;
        MacroActions.insert(MacroActions.begin(), entry);
    }
    if (!MacroNames.empty()) placeholder->setVisible(false);
}

void TfrmVoltrane::RedrawBoard() { ::RedrawBoard(Bord, boardSurface_, boardSurface_.Width(), boardSurface_.Height()); }

void TfrmVoltrane::Paint()
{
    const TRect all{0, 0, boardSurface_.Width(), boardSurface_.Height()};
    windowSurface_.CopyRect(all, boardSurface_, all);
}

void TfrmVoltrane::FormResize()
{
    boardSurface_.Resize(view_->width(), view_->height());
    windowSurface_.Resize(view_->width(), view_->height());
    Redraw();
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
    set(a.actUndo, Circuit.UndoQue().CanUndo());
    set(a.actRedo, Circuit.UndoQue().CanRedo());
    UpdateRunActions();
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

void TfrmVoltrane::closeEvent(QCloseEvent* event)
{
    if (!closeAfterRun_ && !Document.ConfirmDiscard()) {
        event->ignore();
        return;
    }
    Circuit.Context.Simulating = false;
    if (running_) {
        // The loop ends after its current pass; the window closes as soon as it has returned.
        closeAfterRun_ = true;
        event->ignore();
        return;
    }
    event->accept();
}
