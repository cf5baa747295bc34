#pragma once

#include "ActionManager.h"
#include "EditState.h"
#include "EditorWindows.h"
#include "PartsU.h"
#include "QImageCanvas.h"
#include "WindowSurface.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <cstdint>
#include <string>

class QMenu;
class Shell;
class TBoardView;
class TDM;
class TfrmAbout;

// The fixed part of the title; the document's name follows it.
inline constexpr const char* TitlePrefix = "Voltrane　論理シミュレータ - ";
inline constexpr const char* UntitledName = "無題";

// The editor: the main window whose client area is the board. It owns the circuit, the board
// surface everything is drawn on and the window surface the screen shows, the actions with the
// menus and tool bars built from them, the selection, the armed tool and the mouse state.
class TfrmVoltrane : public QMainWindow {
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

    QImageCanvas& BoardSurface() { return boardSurface_; }
    TWindowSurface& WindowSurface() { return windowSurface_; }
    bool Simulating() const { return Circuit.Context.Simulating; }

    // Background, every object, and the grid dots unless simulating, on the board surface.
    void RedrawBoard();
    // Copies the board surface to the window surface.
    void Paint();
    void Redraw();

    // x or y rounded to the nearest grid line.
    int32_t SnapX(int32_t x) const;
    int32_t SnapY(int32_t y) const;
    TPartsBase* FirstSelected() const;
    void SelectOnly(TPartsBase* object);

    // Applies the enabling rules to the actions; runs whenever the application becomes idle.
    void UpdateActions();

    // Disables the editing actions and runs the simulation until stop or closing the window.
    void actSimStartExecute();
    void actSimStopExecute();
    // Passes run by the last (or the running) simulation, for measuring.
    int64_t SimulationPasses() const { return passes_; }

    // Pointer events on the board, in board coordinates.
    void FormMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void FormMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // The client area has a new size.
    void FormResize();

    int32_t GridX = 10;
    int32_t GridY = 10;
    TPartsList SelectedParts;
    TPartsList HitParts;
    uint8_t HitResult = 0;
    TContainer* CurContainer = nullptr;
    TEditState EditState = esNone;
    TCodeDir CodeDir = TCodeDir::None;
    bool SizeFromStart = false;
    int32_t DownX = 0, DownY = 0;
    int32_t StartX = 0, StartY = 0;
    int32_t CurX = 0, CurY = 0;
    int32_t LastDragX = 0, LastDragY = 0;
    // The class of the part the next press creates, by its stored name; empty for none, and
    // "TMacro" for the macro held in PartsText.
    std::string ToolClass;
    int32_t ToolPartNo = 0;
    bool Modified = false;
    bool TextEditing = false;
    TPartsBase* PopupPart = nullptr;
    TStrings PartsText;
    TStrings MacroNames;
    // The editing actions the simulation disables, in this order.
    std::array<TAction*, 38> ActionTable{};

    QMenu* mnuMacro;
    std::vector<TAction*> MacroActions;
    // Shown by the about command; created with the other dialogs.
    TfrmAbout* frmAbout = nullptr;

    std::string MacroFolder() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectActions();
    void FillActionTable();
    void LoadMacroMenu();
    // Adds the macro entries after the placeholder in list order and hides the placeholder.
    void BuildMacroEntries();
    void ScheduleActionUpdate();
    // The sub-board at a board point, none at top level.
    TContainer* ContainerUnder(int x, int y) const;

    QTimer actionUpdate_;
    bool running_ = false;
    // The window was asked to close while the loop ran; it closes once the loop has ended.
    bool closeAfterRun_ = false;
    int64_t passes_ = 0;
};
