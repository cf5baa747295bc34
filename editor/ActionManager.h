#pragma once

#include <QAction>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QActionGroup;
struct TImageList;

// When the refresh, which runs whenever the application becomes idle, enables an action.
enum class TEnabling : uint8_t {
    // Never changed by the refresh: always enabled, or set by the commands it belongs with.
    Own,
    // While no simulation runs.
    Editing,
    // While the document has unsaved changes.
    Changes,
    // While something is selected.
    Selection,
    // While something is selected and no simulation runs.
    EditingSelection,
    // While the undo queue can undo, or redo.
    Undo,
    Redo,
};

// What the enabling rules read.
struct TActionFacts {
    bool Simulating = false;
    bool Modified = false;
    bool Selection = false;
    bool CanUndo = false;
    bool CanRedo = false;
};

// One command of the editor. Its QAction text is what the menu shows; Caption is the command's
// own name for it, which differs where the menu adds an accelerator. Category and Caption are in
// the language chosen when the action was made.
class TAction : public QAction {
public:
    TAction(QObject* parent, const std::string& name, const std::string& category, const std::string& caption);

    // What a part tool arms: the class of the next part placed, by its stored name, and its PartNo.
    struct TPartTool {
        std::string ToolClass;
        int32_t ToolPartNo = 0;
    };

    std::string Name;
    std::string Category;
    std::string Caption;
    // Index in the list of action images, -1 for none.
    int ImageIndex = -1;
    std::optional<TPartTool> PartTool;
    TEnabling Enabling = TEnabling::Own;
};

// Every command of the main window as an action (ActionManager1), with its category, caption,
// hint (short | long), image, shortcut and enabling rule. The tools form one exclusive group:
// checking one unchecks the others, so exactly one shows as pressed.
class TActionManager {
public:
    // The images come from the list of action images of the data module.
    TActionManager(QObject* owner, const TImageList& images);

    TAction* actNew;
    TAction* actOpen;
    TAction* actSave;
    TAction* actSaveAs;
    TAction* actExportPicture;
    TAction* actPrint;
    TAction* actExit;
    TAction* actUndo;
    TAction* actRedo;
    TAction* actCopy;
    TAction* actCopyPicture;
    TAction* actCut;
    TAction* actPaste;
    TAction* actDel;
    TAction* actSelectAll;
    TAction* actRound;
    TAction* actBoxSelection;
    TAction* actMacroMtn;
    TAction* actAuto;
    TAction* actMove;
    TAction* actCode;
    TAction* actDelete;
    TAction* actSimStart;
    TAction* actSimStop;
    // Checks the open circuit against a test table.
    TAction* actTest;
    TAction* actTiming;
    // What the circuit, or a table, computes: truth table, minimal forms, Karnaugh maps.
    TAction* actAnalysis;
    // The run controls: pause and resume, one pass, a number of passes, the speed (whose submenu
    // holds SpeedActions), the frames around changed parts, and saving the run's record.
    TAction* actSimPause;
    TAction* actSimStep;
    TAction* actSimStepN;
    TAction* actSimSpeed;
    TAction* actSimMarks;
    TAction* actSaveRecord;
    // The view: zoom in and out in steps, 100 %, and zoom to fit the circuit or the selection.
    TAction* actZoomIn;
    TAction* actZoomOut;
    TAction* actZoom100;
    TAction* actZoomFit;
    TAction* actZoomSelection;
    // While a run shows levels, a 0/1 tag beside each part terminal.
    TAction* actLevelTags;
    TAction* actHelp;
    TAction* actAbout;
    // The placeholder of the macro menu: never enabled.
    TAction* Action1;

    TAction* actNAND2;
    TAction* actNOR2;
    TAction* actAND2;
    TAction* actOR2;
    TAction* actEOR2;
    TAction* actENOR;
    TAction* actNOT;
    TAction* actRLED;
    TAction* actLED7SEG;
    TAction* actMatrix8X8;
    TAction* actPUSHSW;
    TAction* actTGLSW;
    TAction* actPULSER;
    TAction* actOneShot;
    TAction* actJKFF;
    TAction* actDFF;
    TAction* actTFF;
    TAction* actFA;
    TAction* actText;
    TAction* actSCOPE;
    TAction* actContainer;
    TAction* actInTerminal;
    TAction* actOutTerminal;
    TAction* act2TO10;
    TAction* act10TO2;
    TAction* act7SEG;

    QActionGroup* ToolGroup;
    // The speed limits, one checked: passes a second in each action's data, 0 for none.
    std::vector<TAction*> SpeedActions;
    // The colour schemes of the board and of the windows that show levels, one checked: the
    // scheme's number (TColourSchemeId) in each action's data.
    std::vector<TAction*> SchemeActions;

    // The editing actions a starting run disables at once, in this order; the refresh enables
    // them again by their rules.
    std::vector<TAction*> ActionTable;

    // Every action above, in the order they were made.
    const QList<TAction*>& All() const { return all_; }
    // Applies every action's enabling rule, changing only the states that differ.
    void Update(const TActionFacts& facts);
    // A new entry of the macro menu: category "Macro" in the chosen language, the name as caption, enabled.
    TAction* NewMacroAction(const std::string& name);

private:
    void Add(TAction* TActionManager::*member, TAction* action, TEnabling enabling, int run);

    QObject* owner_;
    QList<TAction*> all_;
};
