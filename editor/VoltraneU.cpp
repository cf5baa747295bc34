#include "VoltraneU.h"

#include "AboutU.h"
#include "ColourCommands.h"
#include "DMU.h"
#include "FormPlacement.h"
#include "IdleRefresh.h"
#include "IniFile.h"
#include "LanguageCommands.h"
#include "MainMenu.h"
#include "NetMarking.h"
#include "PictureCommands.h"
#include "PlacementRules.h"
#include "Shell.h"
#include "Simulation.h"
#include "StatusLine.h"
#include "ViewCommands.h"
#include "ViewPainting.h"
#include "Viewport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

namespace {

QFont PixelFont(const char* face, int pixels)
{
    QFont font(QString::fromUtf8(face));
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

TfrmVoltrane::TfrmVoltrane(Shell& shell, const TDM& dm)
    : ActionManager1(this, dm.ImageList1), shell_(shell), view_(new TBoardView(this, &dm)),
      windows_(shell, &dm, *view_, view_->Viewport()), Circuit(&view_->BoardSurface())
{
    SetTitle(Document.Title());
    setFont(PixelFont(BoardFontFace, 12));
    setCentralWidget(view_);
    view_->setFocus();
    BuildMenus();
    BuildConcerns();

    // The parts' text is written in the board font.
    BoardSurface().SetFont(BoardFontFace, 9);
    Circuit.Context.Windows = &windows_;
    Circuit.Context.Messages = &windows_;
    Circuit.Context.Simulating = false;
    shell_.SetClipboardText("");
    view_->SetPainter(new TViewPainting(*this, *view_, view_->Viewport(), BoardSurface(), Session, Mouse, windows_));
    view_->SetInput(Editing);
    Redraw();
    Macros->Load();
    LoadFormPlacement(*this, TitlePrefix, shell_.SettingsFile(), FirstMainPlacement(WorkArea()));
    UpdateActions();
    statusLine_->Update();
}

TfrmVoltrane::~TfrmVoltrane()
{
    // One settings file: when it cannot be written, one message says so.
    try {
        SaveFormPlacement(*this, TitlePrefix, shell_.SettingsFile());
        Documents->SaveRecentFiles();
    } catch (const TIniFile::TWriteError& error) {
        shell_.ShowError(error.what());
    }
    Documents->RemoveRecovery();
}

void TfrmVoltrane::BuildMenus()
{
    mnuMacro = BuildMainMenu(*this, ActionManager1);
    Macros = std::make_unique<TMacroCommands>(*this, ActionManager1, *mnuMacro, MacroActions, Session, shell_);
    new TLanguageCommands(*menuBar()->findChild<QMenu*>(QStringLiteral("mnuView")), shell_,
                          CatalogFolders(QCoreApplication::applicationDirPath().toStdString()));
    BuildToolBars(*this, ActionManager1);
    const QFont menuFont = PixelFont("MS UI Gothic", 12);
    menuBar()->setFont(menuFont);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) menu->setFont(menuFont);
    addActions(QList<QAction*>(ActionManager1.All().begin(), ActionManager1.All().end()));
}

void TfrmVoltrane::BuildConcerns()
{
    TActionManager& a = ActionManager1;
    refresh_ = new TIdleRefresh(*this, [this] {
        UpdateActions();
        Tests->Refresh();
        statusLine_->Update();
    });
    const auto changed = [this] { refresh_->Schedule(); };
    for (TAction* action : a.All()) connect(action, &QAction::triggered, this, changed);
    Editing = new TBoardEditing(*this, a, *view_, Session, Mouse, Popups, Document, changed);
    connect(Popups.pmnuMacro_Add, &QAction::triggered, this, [this] { Macros->RegisterPopupBox(); });
    Documents = new TDocumentCommands(*this, a, Document, Session, shell_, changed);
    Pictures = new TPictureCommands(*this, a, Session, Document, shell_, [this] { return view_->Viewport().Scale(); });
    Runs = new TRunCommands(*this, a, Session, Document, *Documents, *view_, shell_, windows_.Probes(), changed);
    Tests = new TTestCommands(*this, a, Session, Document, *Runs, shell_);
    view_->TipAt = [this](TPoint p) { return Runs->WireTip(p.x, p.y); };
    Companions = new TCompanionWindows(*this, a, Session, Document, shell_, windows_.Probes());
    Colours = new TColourCommands(*this, a, Session, shell_, [this](TColourSchemeId scheme) {
        windows_.SetScheme(scheme);
        Companions->SetScheme(scheme);
    });
    // The loop has returned: a close asked for during the run can go ahead.
    connect(a.actSimStart, &QAction::triggered, this, [this] {
        if (closeAfterRun_ && !Runs->Running()) close();
    });
    connect(a.actExit, &QAction::triggered, this, [this] { close(); });
    connect(a.actAbout, &QAction::triggered, this, [this] {
        if (frmAbout) frmAbout->exec();
    });
    statusLine_ = new TStatusLine(*this, a, Session, *Runs);
    new TViewCommands(*this, a, *view_, Session);
}

// The desktop marks unsaved changes where the placeholder stands.
void TfrmVoltrane::SetTitle(const std::string& title) { setWindowTitle(QString::fromStdString(title) + "[*]"); }

void TfrmVoltrane::SetBusy(bool busy)
{
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

void TfrmVoltrane::RedrawBoard()
{
    Bord.ShowAll();
    if (!Simulating()) RefreshNetMarks(Bord);
    RepaintBoard();
}

void TfrmVoltrane::RepaintBoard()
{
    view_->SetContent(ObjectBounds(Bord));
    ::RedrawBoard(Bord, BoardSurface(), view_->Viewport().VisibleBoard());
}

void TfrmVoltrane::RepaintArea(const TRect& area)
{
    QImageCanvas& surface = BoardSurface();
    const QRect device = surface.DeviceRect(area).intersected(QRect(0, 0, surface.Width(), surface.Height()));
    if (device.isEmpty()) return;
    const TRect redrawn = surface.BoardRectFor(device);
    surface.Confine(device);
    ::RedrawBoard(Bord, surface, redrawn);
    surface.Unconfine();
    WindowSurface().CopyRect(redrawn, surface, redrawn);
}

void TfrmVoltrane::Paint()
{
    const TRect shown = view_->Viewport().VisibleBoard();
    WindowSurface().CopyRect(shown, BoardSurface(), shown);
}

void TfrmVoltrane::UpdateActions()
{
    ActionManager1.Update({Simulating(), State.Modified, !State.SelectedParts.Empty(), Circuit.UndoQue().CanUndo(),
                           Circuit.UndoQue().CanRedo()});
    if (isWindowModified() != State.Modified) setWindowModified(State.Modified);
    Runs->UpdateActions();
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
