#pragma once

#include "ActionManager.h"
#include "BoardEditing.h"
#include "BoardView.h"
#include "Document.h"
#include "DocumentCommands.h"
#include "EditorWindows.h"
#include "MacroCommands.h"
#include "MouseEditor.h"
#include "PartPopups.h"
#include "PartsU.h"
#include "RunCommands.h"
#include "TestCommands.h"
#include "ViewCommands.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QMenu;
class Shell;
class TAnalysisWindow;
class TDM;
class TfrmAbout;
class THelpWindow;
class TPictureCommands;
class TTimingWindow;
class TPassEngine;
class TRunControl;
class TStatusLine;
class TTestReportForm;

// The editor: the main window whose client area is the board view. It owns the circuit, the
// actions with the menus and tool bars built from them, and the editing fields; it hands the
// board's pointer events to the mouse machine and shows what that asks for.
class TfrmVoltrane : public QMainWindow, public TEditorState, public EditorHost, public TBoardInput {
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

    QImageCanvas& BoardSurface() override { return view_->BoardSurface(); }
    TRect ShownArea() override { return view_->Viewport().VisibleBoard(); }
    TWindowSurface& WindowSurface() override { return view_->WindowSurface(); }
    bool Simulating() const { return Circuit.Context.Simulating; }
    // Every probe's channels, for the timing diagram.
    TProbeHub& Probes() { return windows_.Probes(); }

    // Background, every object, and the grid dots unless simulating, on the board surface over
    // the part of the board in view; the scroll range follows the objects.
    void RedrawBoard() override;
    void RepaintBoard() override;
    // Copies the board surface to the window surface.
    void Paint() override;
    TTool CheckedTool() const override { return editing_->CheckedTool(); }
    void CheckSelectTool() override;
    void SetContextMenu(TPopupMenu menu) override { editing_->SetContextMenu(menu); }
    void SetTitle(const std::string& title) override;
    void SetBusy(bool busy) override;

    // The file named when the program was started, opened as Open opens a chosen one.
    void OpenStartFile(const std::string& path) { Documents->OpenFile(path); }
    // Offers the recovery copy that an editor which ended without a clean exit left behind.
    void OfferRecovery() { Documents->OfferRecovery(); }
    // Writes the recovery copy of a document with unsaved changes, or removes it when there are none.
    void Autosave() { Documents->Autosave(); }

    // Applies the enabling rules to the actions; runs whenever the application becomes idle.
    void UpdateActions();

    // Passes run by the last (or the running) simulation, for measuring.
    int64_t SimulationPasses() const { return Runs->Passes(); }
    // The controls of the run under way; none between runs.
    TRunControl* Run() const { return Runs->Run(); }
    // Runs that many passes and pauses; starts the simulation first when none runs.
    void StepPasses(int64_t passes) { Runs->StepPasses(passes); }

    // Pointer events on the board, in board coordinates; the release of the right button opens
    // the popup menu its press chose at the global point given.
    void FormMouseDown(TMouseButton button, TShiftState shift, int x, int y) override
    {
        editing_->MouseDown(button, shift, x, y);
    }
    void FormMouseMove(TShiftState shift, int x, int y) override { editing_->MouseMove(shift, x, y); }
    void FormMouseUp(TMouseButton button, TShiftState shift, int x, int y, QPoint globalPos = {}) override
    {
        editing_->MouseUp(button, shift, x, y, globalPos);
    }
    void FormDblClick(int x, int y) override { editing_->DblClick(x, y); }
    bool Running() const override { return Simulating(); }
    void ViewChanged() override { viewCommands_->ViewChanged(); }
    void RedrawArea(const TRect& area) override { viewCommands_->RedrawArea(area); }
    void ViewMoved() override { viewCommands_->ViewMoved(); }
    // A new or opened document starts at 100 % at the board's origin.
    void DocumentReplaced() override;
    std::optional<TPoint> PointerOnBoard() const override { return view_->PointerOnBoard(); }

    TEditSession Session{*this, Circuit, *this};
    TMouseEditor Mouse{Session};
    TPartPopups Popups{this};
    TDocument Document{Session, shell_};
    TDocumentCommands* Documents;
    TPictureCommands* Pictures;
    TRunCommands* Runs;
    TTestCommands* Tests;
    QMenu* mnuRecent;

    // The editing actions the simulation disables, in this order.
    std::array<TAction*, 38> ActionTable{};

    QMenu* mnuMacro;
    std::vector<TAction*> MacroActions;
    std::unique_ptr<TMacroCommands> Macros;
    // Shown by the about command; created with the other dialogs.
    TfrmAbout* frmAbout = nullptr;
    // The rows of the last test; made by the first.
    TTestReportForm* frmTestReport = nullptr;
    // The guide; opened by the first F1.
    THelpWindow* frmHelp = nullptr;
    TTimingWindow* frmTiming = nullptr;
    TAnalysisWindow* frmAnalysis = nullptr;


protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A circuit file dropped on the window opens as with Open.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ConnectActions();
    void FillActionTable();
    void ScheduleActionUpdate();

    QTimer actionUpdate_;
    TBoardEditing* editing_ = nullptr;
    TViewCommands* viewCommands_ = nullptr;
    TStatusLine* statusLine_ = nullptr;
    // The window was asked to close while the loop ran; it closes once the loop has ended.
    bool closeAfterRun_ = false;
};
