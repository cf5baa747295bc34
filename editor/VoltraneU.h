#pragma once

#include "ActionManager.h"
#include "BoardEditing.h"
#include "BoardView.h"
#include "CompanionWindows.h"
#include "Document.h"
#include "DocumentCommands.h"
#include "EditorWindows.h"
#include "MacroCommands.h"
#include "MouseEditor.h"
#include "PartPopups.h"
#include "PartsU.h"
#include "RunCommands.h"
#include "TestCommands.h"

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMenu;
class Shell;
class TColourCommands;
class TDM;
class TfrmAbout;
class TIdleRefresh;
class TPictureCommands;
class TStatusLine;

// The editor: the main window whose client area is the board view. It owns the circuit, the
// editing fields and the actions, and assembles the concerns that work on them, each handed what
// it needs: the board view hands its pointer events to the editing and asks the painting to draw.
class TfrmVoltrane : public QMainWindow, public EditorHost {
public:
    // Creates the window as the program starts: title, surfaces, boards, macro menu, placement.
    // The data module gives the sprites and the action images.
    TfrmVoltrane(Shell& shell, const TDM& dm);
    // Saves the placement and the macro list, then frees the circuit.
    ~TfrmVoltrane() override;

    TActionManager ActionManager1;

private:
    Shell& shell_;
    TBoardView* view_;
    TEditorWindows windows_;

public:
    TCircuit Circuit;
    TBord& Bord = Circuit.Bord;
    TEditorState State;
    TEditSession Session{State, Circuit, *this};
    TMouseEditor Mouse{Session};
    TPartPopups Popups{this};
    TDocument Document{Session, shell_};

    bool Simulating() const { return Circuit.Context.Simulating; }
    // Every probe's channels, for the timing diagram.
    TProbeHub& Probes() { return windows_.Probes(); }
    // Applies the enabling rules to the actions; runs whenever the application becomes idle.
    void UpdateActions();

    QImageCanvas& BoardSurface() override { return view_->BoardSurface(); }
    TRect ShownArea() override { return view_->Viewport().VisibleBoard(); }
    TWindowSurface& WindowSurface() override { return view_->WindowSurface(); }
    // Background, every object, and the grid dots unless simulating, on the board surface over
    // the part of the board in view; the scroll range follows the objects.
    void RedrawBoard() override;
    void RepaintBoard() override;
    void RepaintArea(const TRect& area) override;
    // Copies the board surface to the window surface.
    void Paint() override;
    TTool CheckedTool() const override { return Editing->CheckedTool(); }
    void CheckSelectTool() override { ActionManager1.actAuto->setChecked(true); }
    void SetContextMenu(TPopupMenu menu) override { Editing->SetContextMenu(menu); }
    void SetTitle(const std::string& title) override;
    void SetBusy(bool busy) override;
    // A new or opened document starts at 100 % at the board's origin.
    void DocumentReplaced() override { view_->Reset(); }
    std::optional<TPoint> PointerOnBoard() const override { return view_->PointerOnBoard(); }

    // The concerns, children of the window.
    TBoardEditing* Editing = nullptr;
    TDocumentCommands* Documents = nullptr;
    TPictureCommands* Pictures = nullptr;
    TRunCommands* Runs = nullptr;
    TTestCommands* Tests = nullptr;
    TCompanionWindows* Companions = nullptr;
    TColourCommands* Colours = nullptr;
    QMenu* mnuMacro = nullptr;
    std::vector<TAction*> MacroActions;
    std::unique_ptr<TMacroCommands> Macros;
    // Shown by the about command; created with the other dialogs.
    TfrmAbout* frmAbout = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildConcerns();

    TIdleRefresh* refresh_ = nullptr;
    TStatusLine* statusLine_ = nullptr;
    // The window was asked to close while the loop ran; it closes once the loop has ended.
    bool closeAfterRun_ = false;
};
