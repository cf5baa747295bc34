#pragma once

#include "ActionManager.h"
#include "Autosave.h"
#include "Document.h"
#include "EditorWindows.h"
#include "MouseEditor.h"
#include "PartPopups.h"
#include "PartsU.h"
#include "QImageCanvas.h"
#include "TestTable.h"
#include "WindowSurface.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QMenu;
class Shell;
class TBoardView;
class TDM;
class TfrmAbout;
class TPassEngine;
class TRunControl;
class TStatusLine;
class TTestReportForm;

// The editor: the main window whose client area is the board. It owns the circuit, the board
// surface everything is drawn on and the window surface the screen shows, the actions with the
// menus and tool bars built from them, and the editing fields; it hands the board's pointer
// events to the mouse machine and shows what that asks for.
class TfrmVoltrane : public QMainWindow, public TEditorState, public EditorHost {
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
    QImageCanvas boardSurface_;
    TWindowSurface windowSurface_;
    TEditorWindows windows_;

public:
    TCircuit Circuit;
    TBord& Bord = Circuit.Bord;

    QImageCanvas& BoardSurface() override { return boardSurface_; }
    TWindowSurface& WindowSurface() override { return windowSurface_; }
    bool Simulating() const { return Circuit.Context.Simulating; }

    // Background, every object, and the grid dots unless simulating, on the board surface.
    void RedrawBoard() override;
    // Copies the board surface to the window surface.
    void Paint() override;
    TTool CheckedTool() const override;
    void CheckSelectTool() override;
    void SetContextMenu(TPopupMenu menu) override;
    void SetTitle(const std::string& title) override;
    void SetBusy(bool busy) override;

    // The file named when the program was started, opened as Open opens a chosen one.
    void OpenStartFile(const std::string& path);
    // Offers the recovery copy that an editor which ended without a clean exit left behind.
    void OfferRecovery();
    // Writes the recovery copy of a document with unsaved changes, or removes it when there are none.
    void Autosave();

    // Applies the enabling rules to the actions; runs whenever the application becomes idle.
    void UpdateActions();

    // Disables the editing actions and runs the simulation until stop or closing the window.
    void actSimStartExecute();
    void actSimStopExecute();
    // Asks for a test table, checks a copy of the circuit as its file would hold it against it and
    // lists the rows in the report window.
    void actTestExecute();
    // The circuit itself set to row `row` of the last table as the check ran it, stopped, showing
    // its levels.
    void ShowTestRow(size_t row);
    // Passes run by the last (or the running) simulation, for measuring.
    int64_t SimulationPasses() const;
    // The controls of the run under way; none between runs.
    TRunControl* Run() const { return run_; }
    // Runs that many passes and pauses; starts the simulation first when none runs.
    void StepPasses(int64_t passes);

    // Pointer events on the board, in board coordinates; the release of the right button opens
    // the popup menu its press chose at the global point given.
    void FormMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void FormMouseMove(TShiftState shift, int x, int y);
    void FormMouseUp(TMouseButton button, TShiftState shift, int x, int y, QPoint globalPos = {});
    void FormDblClick(int x, int y);
    // The client area has a new size.
    void FormResize();

    TEditSession Session{*this, Circuit, *this};
    TMouseEditor Mouse{Session};
    TPartPopups Popups{this};
    TDocument Document{Session, shell_};
    QMenu* mnuRecent;

    // The editing actions the simulation disables, in this order.
    std::array<TAction*, 38> ActionTable{};

    QMenu* mnuMacro;
    std::vector<TAction*> MacroActions;
    // Shown by the about command; created with the other dialogs.
    TfrmAbout* frmAbout = nullptr;
    // The rows of the last test; made by the first.
    TTestReportForm* frmTestReport = nullptr;

    std::string MacroFolder() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A circuit file dropped on the window opens as with Open.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ConnectActions();
    void ConnectRunCommands();
    void UpdateRunActions();
    // Frames the parts the last watched pass changed, or takes the frames away.
    void ShowChangedParts();
    // The passes that Nパス実行 offers, as the settings file keeps them.
    int StepCount() const;
    void ConnectEditCommands();
    void ConnectPopupCommands();
    void ConnectMacroCommands();
    // A macro entry of the submenu, choosing its macro for placement.
    TAction* NewMacroEntry(const std::string& name);
    void RegisterPopupMacro();
    void MaintainMacros();
    // Shows the count dialog with the words at the ends of its bar; the value chosen, or none
    // when it was cancelled.
    std::optional<int> AskCount(const std::string& caption, int value, const char* low = "短い",
                                const char* high = "長い");
    void ConnectDocumentCommands();
    void BuildRecentMenu();
    void LoadRecentFiles();
    void SaveRecentFiles();
    // The board shows the cursor the last move asked for; the wire tool has a cursor of its own.
    void ShowCursor();
    void FillActionTable();
    void LoadMacroMenu();
    // Adds the macro entries after the placeholder in list order and hides the placeholder.
    void BuildMacroEntries();
    void ScheduleActionUpdate();

    QTimer actionUpdate_;
    TStatusLine* statusLine_;
    bool running_ = false;
    // The window was asked to close while the loop ran; it closes once the loop has ended.
    bool closeAfterRun_ = false;
    int64_t passes_ = 0;
    TRunControl* run_ = nullptr;
    // Passes the next run pauses after; 0 runs on until paused.
    int64_t stepsAtStart_ = 0;
    // What the next run does in place of pass 1 before it pauses (a test table's row); none for
    // a run of the start command.
    std::function<void(TPassEngine&)> preludeAtStart_;
    TPopupMenu contextMenu_ = TPopupMenu::None;
    TAutosave autosave_;
    QTimer autosaveTimer_;
    // The last test table read, and its file, which the next test's dialog proposes.
    std::optional<TTestTable> testTable_;
    std::string testTablePath_;
    // The board's edit count when the report was made: any edit since makes it outdated.
    uint64_t testedEdits_ = 0;
    // The report's line says a run stands paused at a row; it goes when that run ends.
    bool rowPaused_ = false;
    // Greys the report once the circuit it was made for has changed.
    void RefreshTestReport();
};
