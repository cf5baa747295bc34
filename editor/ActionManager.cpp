#include "ActionManager.h"

#include "BoardLook.h"
#include "DMU.h"
#include "SpriteKit.h"
#include "Translated.h"

#include <QActionGroup>
#include <QPixmap>

#include <utility>

namespace {

using Member = TAction* TActionManager::*;
using enum TEnabling;

// The place of an action that a starting run leaves alone.
constexpr int NotInRun = -1;

// The catalog contexts of the table's texts: the categories, the one-letter captions of the
// editing tools and the part tools' names would be ambiguous as bare words.
constexpr const char* CategoryContext = "action category";
constexpr const char* ToolContext = "tool button";
constexpr const char* PartToolContext = "part tool";

// Every row says when the action is enabled and where it stands among the actions a starting run
// disables, so that no action is left out of either.
struct TCommandSpec {
    Member member;
    const char* name;
    TEnabling enabling;
    // The index in ActionTable, NotInRun for none.
    int run;
    const char* category;
    const char* caption;
    const char* hint;
    int image;
    const char* shortcut;
    // The caption's catalog context, none for most.
    const char* captionContext = nullptr;
};

// The commands other than the part tools, with their captions and hints in English; they are
// shown in the chosen language.
const TCommandSpec Commands[] = {
    {&TActionManager::actNew, "actNew", Editing, 0, TrMarkIn("action category", "File"), TrMark("New"), TrMark("New"),
     0, "Ctrl+N"},
    {&TActionManager::actOpen, "actOpen", Editing, 1, TrMarkIn("action category", "File"), TrMark("Open..."),
     TrMark("Open a file"), 1, "Ctrl+O"},
    {&TActionManager::actSave, "actSave", Changes, 2, TrMarkIn("action category", "File"), TrMark("Save"),
     TrMark("Save"), 2, "Ctrl+S"},
    {&TActionManager::actSaveAs, "actSaveAs", Own, NotInRun, TrMarkIn("action category", "File"), TrMark("Save as..."),
     "", -1, "Ctrl+Shift+S"},
    {&TActionManager::actExportPicture, "actExportPicture", Own, NotInRun, TrMarkIn("action category", "File"),
     TrMark("Export picture..."),
     TrMark("Export picture|Write the selection, or the whole circuit, as a PNG, SVG or PDF file"), -1, ""},
    {&TActionManager::actPrint, "actPrint", Own, NotInRun, TrMarkIn("action category", "File"), TrMark("Print..."),
     TrMark("Print|Print the circuit in black on white, fitted to the page"), -1, "Ctrl+P"},
    {&TActionManager::actExit, "actExit", Own, NotInRun, TrMarkIn("action category", "File"), TrMark("Exit"), "", -1,
     ""},
    {&TActionManager::actUndo, "actUndo", Undo, 35, TrMarkIn("action category", "Edit"), TrMark("Undo"), TrMark("Undo"),
     34, "Ctrl+Z"},
    {&TActionManager::actRedo, "actRedo", Redo, 36, TrMarkIn("action category", "Edit"), TrMark("Redo"), TrMark("Redo"),
     35, "Ctrl+Y"},
    {&TActionManager::actCopy, "actCopy", Selection, 15, TrMarkIn("action category", "Edit"), TrMark("&Copy"),
     TrMark("Copy|Copy the selection to the clipboard"), 3, "Ctrl+C"},
    {&TActionManager::actCut, "actCut", Selection, 16, TrMarkIn("action category", "Edit"), TrMark("Cu&t"),
     TrMark("Cut|Cut out the selection and put it on the clipboard"), 4, "Ctrl+X"},
    {&TActionManager::actCopyPicture, "actCopyPicture", Own, NotInRun, TrMarkIn("action category", "Edit"),
     TrMark("Copy as picture"),
     TrMark("Copy as picture|Copy the selection, or the whole circuit, to the clipboard as a picture"), -1, ""},
    {&TActionManager::actPaste, "actPaste", Editing, 17, TrMarkIn("action category", "Edit"), TrMark("&Paste"),
     TrMark("Paste|Paste what the clipboard holds"), 5, "Ctrl+V"},
    {&TActionManager::actDel, "actDel", Selection, NotInRun, TrMarkIn("action category", "Edit"), TrMark("&Delete"), "",
     -1, "Ctrl+D"},
    {&TActionManager::actSelectAll, "actSelectAll", Own, NotInRun, TrMarkIn("action category", "Edit"),
     TrMark("Select &all"), TrMark("Select all|Select the whole circuit"), -1, "Ctrl+A"},
    {&TActionManager::actRound, "actRound", Selection, NotInRun, TrMarkIn("action category", "Edit"),
     TrMark("&Rotate clockwise"), "", -1, "Ctrl+R"},
    {&TActionManager::actBoxSelection, "actBoxSelection", EditingSelection, NotInRun,
     TrMarkIn("action category", "Edit"), TrMark("Make sub-&board from selection"),
     TrMark("Make sub-board from selection|Put the selected parts into a sub-board, with a terminal on each wire "
            "that leads outside"),
     -1, "Ctrl+B"},
    {&TActionManager::actMacroMtn, "actMacroMtn", Own, NotInRun, TrMarkIn("action category", "Edit"),
     TrMark("Manage macros"), "", -1, "Ctrl+M"},
    // The editing tools' captions are a sign or a letter, as short as a tool button.
    // Translators: the select tool's caption, one or two characters.
    {&TActionManager::actAuto, "actAuto", Editing, 6, "", TrMarkIn("tool button", "↑"), TrMark("Select tool"), 6, "",
     ToolContext},
    // Translators: the move tool's caption, one or two characters.
    {&TActionManager::actMove, "actMove", Editing, 3, "", TrMarkIn("tool button", "M"), TrMark("Move tool"), 37, "",
     ToolContext},
    // Translators: the wire tool's caption, one or two characters.
    {&TActionManager::actCode, "actCode", Editing, 4, "", TrMarkIn("tool button", "W"), TrMark("Wire tool"), 38, "",
     ToolContext},
    // Translators: the delete tool's caption, one or two characters.
    {&TActionManager::actDelete, "actDelete", Editing, 5, "", TrMarkIn("tool button", "X"), TrMark("Delete tool"), 39,
     "", ToolContext},
    {&TActionManager::actSimStart, "actSimStart", Own, NotInRun, TrMarkIn("action category", "Simulation"),
     TrMark("Start simulation"), TrMark("Start simulation"), 41, ""},
    {&TActionManager::actSimStop, "actSimStop", Own, NotInRun, TrMarkIn("action category", "Simulation"),
     TrMark("End simulation"), TrMark("Stop simulation"), 40, ""},
    {&TActionManager::actSimPause, "actSimPause", Own, NotInRun, TrMarkIn("action category", "Simulation"),
     TrMark("Pause"), TrMark("Pause|Pause the simulation. Press again to resume"), 42, "F8"},
    {&TActionManager::actSimStep, "actSimStep", Own, NotInRun, TrMarkIn("action category", "Simulation"),
     TrMark("Run one pass"), TrMark("Run one pass|Run a single pass, then pause"), 43, "F10"},
    {&TActionManager::actSimStepN, "actSimStepN", Own, NotInRun, TrMarkIn("action category", "Simulation"),
     TrMark("Run N passes..."), TrMark("Run N passes|Run the number of passes you give, then pause"), 44, "Shift+F10"},
    {&TActionManager::actSimSpeed, "actSimSpeed", Own, NotInRun, TrMarkIn("action category", "Simulation"),
     TrMark("Speed"), TrMark("Speed|The most passes run per second"), 45, ""},
    {&TActionManager::actSimMarks, "actSimMarks", Own, NotInRun, TrMarkIn("action category", "Simulation"),
     TrMark("Show changed parts"),
     TrMark("Show changed parts|While paused or held to a speed, frame the parts whose outputs changed in the last "
            "pass"),
     -1, ""},
    {&TActionManager::actSaveRecord, "actSaveRecord", Own, NotInRun, TrMarkIn("action category", "Simulation"),
     TrMark("Save record..."), TrMark("Save record|Save the record of the switches operated during the simulation"), -1,
     ""},
    {&TActionManager::actTest, "actTest", Editing, NotInRun, TrMarkIn("action category", "Simulation"),
     TrMark("Test..."), TrMark("Test|Check the circuit against a test table (.lgt)"), -1, ""},
    {&TActionManager::actTiming, "actTiming", Own, NotInRun, TrMarkIn("action category", "Simulation"),
     TrMark("Timing diagram..."),
     TrMark("Timing diagram|Show every probe's channels over passes, held by a trigger, whatever the speed"), -1, ""},
    {&TActionManager::actAnalysis, "actAnalysis", Own, NotInRun, TrMarkIn("action category", "Simulation"),
     TrMark("Circuit analysis..."),
     TrMark("Circuit analysis|The truth table of the circuit or of a table, its minimal forms and Karnaugh maps"), -1,
     ""},
    {&TActionManager::actZoomIn, "actZoomIn", Own, NotInRun, TrMarkIn("action category", "View"), TrMark("Zoom in"),
     TrMark("Zoom in|Zoom in about the pointer or the centre"), -1, "Ctrl++"},
    {&TActionManager::actZoomOut, "actZoomOut", Own, NotInRun, TrMarkIn("action category", "View"), TrMark("Zoom out"),
     TrMark("Zoom out|Zoom out about the pointer or the centre"), -1, "Ctrl+-"},
    {&TActionManager::actZoom100, "actZoom100", Own, NotInRun, TrMarkIn("action category", "View"), TrMark("100%"),
     TrMark("100%|Show at actual size"), -1, "Ctrl+0"},
    {&TActionManager::actZoomFit, "actZoomFit", Own, NotInRun, TrMarkIn("action category", "View"),
     TrMark("Show whole circuit"), TrMark("Show whole circuit|Zoom so that every part fits"), -1, "Ctrl+9"},
    {&TActionManager::actZoomSelection, "actZoomSelection", Own, NotInRun, TrMarkIn("action category", "View"),
     TrMark("Show selection"), TrMark("Show selection|Zoom so that the selected parts fit"), -1, "Ctrl+8"},
    {&TActionManager::actLevelTags, "actLevelTags", Own, NotInRun, TrMarkIn("action category", "View"),
     TrMark("Level tags"), TrMark("Level tags|While the circuit runs, write 0 or 1 beside every part terminal"), -1,
     ""},
    {&TActionManager::actHelp, "actHelp", Own, NotInRun, TrMarkIn("action category", "Help"), TrMark("&Guide"),
     TrMark("Guide|Open the guide to building circuits and using the editor"), -1, "F1"},
    {&TActionManager::actAbout, "actAbout", Own, NotInRun, TrMarkIn("action category", "Help"),
     TrMark("&About Voltrane..."), "", -1, ""},
    {&TActionManager::Action1, "Action1", Own, NotInRun, TrMarkIn("action category", "Macro"),
     TrMarkIn("macro menu", "(none)"), "", -1, "", "macro menu"},
};

struct TPartToolSpec {
    Member member;
    const char* name;
    TEnabling enabling;
    int run;
    const char* category;
    const char* hint;
    int image;
    const char* toolClass;
    int32_t toolPartNo;
};

// The part tools; each caption is the action's name, except that of act10TO2. Their category
// "PART" is the same in every language.
const TPartToolSpec PartTools[] = {
    {&TActionManager::actNAND2, "actNAND2", Editing, 7, "PART", TrMarkIn("part tool", "NAND"), 7, "TGate", 0},
    {&TActionManager::actNOR2, "actNOR2", Editing, 8, "PART", TrMarkIn("part tool", "NOR"), 8, "TGate", 2},
    {&TActionManager::actAND2, "actAND2", Editing, 18, "PART", TrMarkIn("part tool", "AND"), 10, "TGate", 4},
    {&TActionManager::actOR2, "actOR2", Editing, 19, "PART", TrMarkIn("part tool", "OR"), 11, "TGate", 5},
    {&TActionManager::actEOR2, "actEOR2", Editing, 10, "PART", TrMarkIn("part tool", "XOR"), 12, "TGate", 6},
    {&TActionManager::actENOR, "actENOR", Editing, 25, "PART", TrMarkIn("part tool", "XNOR"), 22, "TGate", 7},
    {&TActionManager::actNOT, "actNOT", Editing, 9, "PART", TrMarkIn("part tool", "NOT"), 9, "TNot", 0},
    {&TActionManager::actRLED, "actRLED", Editing, 11, "PART", TrMarkIn("part tool", "Red LED"), 18, "TLED", 0},
    {&TActionManager::actLED7SEG, "actLED7SEG", Editing, 27, "PART", TrMarkIn("part tool", "7-segment LED"), 29,
     "TLED7SEG", 0},
    {&TActionManager::actMatrix8X8, "actMatrix8X8", Editing, 37, "PART", TrMarkIn("part tool", "8×8 LED"), 36,
     "TMatrix8X8", 0},
    {&TActionManager::actPUSHSW, "actPUSHSW", Editing, 12, "PART", TrMarkIn("part tool", "Push button"), 20, "TPushSW",
     0},
    {&TActionManager::actTGLSW, "actTGLSW", Editing, 13, "PART", TrMarkIn("part tool", "Toggle switch"), 19, "TTglSW",
     0},
    {&TActionManager::actPULSER, "actPULSER", Editing, 20, "PART", TrMarkIn("part tool", "Pulse generator"), 23,
     "TPulser", 0},
    {&TActionManager::actOneShot, "actOneShot", Editing, 34, "PART", TrMarkIn("part tool", "One-shot"), 33, "TOneShot",
     0},
    {&TActionManager::actJKFF, "actJKFF", Editing, 14, "PART", TrMarkIn("part tool", "JK flip-flop"), 21, "TJKFF", 0},
    {&TActionManager::actDFF, "actDFF", Editing, 22, "PART", TrMarkIn("part tool", "D flip-flop"), 25, "TDFF", 1},
    {&TActionManager::actTFF, "actTFF", Editing, 23, "PART", TrMarkIn("part tool", "T flip-flop"), 26, "TTFF", 2},
    {&TActionManager::actFA, "actFA", Editing, 24, "PART", TrMarkIn("part tool", "Full adder"), 27, "TFullAdder", 1},
    {&TActionManager::actText, "actText", Editing, 21, "PART", TrMarkIn("part tool", "Text"), 24, "TTextBox", 0},
    {&TActionManager::actSCOPE, "actSCOPE", Editing, 26, "PART", TrMarkIn("part tool", "Oscilloscope"), 28, "TScope",
     0},
    {&TActionManager::actContainer, "actContainer", Editing, 31, "PART", TrMarkIn("part tool", "Sub-board"), 30,
     "TContainer", 0},
    {&TActionManager::actInTerminal, "actInTerminal", Editing, 32, "PART", TrMarkIn("part tool", "Input terminal"), 31,
     "TInTerminal", 0},
    {&TActionManager::actOutTerminal, "actOutTerminal", Editing, 33, "PART", TrMarkIn("part tool", "Output terminal"),
     32, "TOutTerminal", 1},
    {&TActionManager::act2TO10, "act2TO10", Editing, 28, TrMarkIn("action category", "MSI"), "", -1, "T2TO10", 0},
    {&TActionManager::act10TO2, "act10TO2", Editing, 29, TrMarkIn("action category", "MSI"), "", -1, "T10TO2", 1},
    {&TActionManager::act7SEG, "act7SEG", Editing, 30, TrMarkIn("action category", "MSI"), "", -1, "T7SEG", 2},
};

// The speed limits in passes a second, with their menu entries; 0 is no limit.
const std::pair<int, const char*> SpeedLimits[] = {
    {0, TrMark("&No limit")},
    {1, TrMark("&1 pass per second")},
    {2, TrMark("&2 passes per second")},
    {5, TrMark("&5 passes per second")},
    {10, TrMark("1&0 passes per second")},
    {30, TrMark("&30 passes per second")},
    {100, TrMark("100 &passes per second")},
    {1000, TrMark("1,000 passes per &second")},
};

// The colour schemes in the order of TColourSchemeId, with their action names and captions.
const std::pair<const char*, const char*> ColourSchemes[] = {
    {"actColourNormal", TrMarkIn("colour scheme", "Normal")},
    {"actColourDark", TrMarkIn("colour scheme", "Dark")},
    {"actColourBlind", TrMarkIn("colour scheme", "Colour-blind safe")},
    {"actColourPrinter", TrMarkIn("colour scheme", "Printer")},
};
static_assert(std::size(ColourSchemes) == ColourSchemeCount);

// The text in the chosen language; an empty text stays empty, since the catalog keeps its header
// under the empty id.
std::string Shown(const char* context, const char* id) { return *id ? TrIn(context, id) : ""; }

QIcon ActionIcon(const TImageList& images, int index)
{
    if (index < 0 || index >= images.Count()) return {};
    const QImage& image = images.Images[static_cast<size_t>(index)];
    // The style's own disabled rendering leaves a dark picture dark; ours is unmistakably pale.
    QIcon icon(QPixmap::fromImage(image));
    icon.addPixmap(QPixmap::fromImage(Unavailable(image)), QIcon::Disabled);
    return icon;
}

// The short hint before the bar is the tool tip, which names the shortcut too; the long hint after
// it goes to the status bar.
void SetHint(QAction& action, const QString& hint, const QKeySequence& shortcut)
{
    const qsizetype bar = hint.indexOf('|');
    const QString tip = bar < 0 ? hint : hint.left(bar);
    action.setToolTip(shortcut.isEmpty() || tip.isEmpty()
                          ? tip
                          // Translators: a command's tool tip followed by its shortcut key.
                          : QTrIn("tool tip", "%1 (%2)").arg(tip, shortcut.toString(QKeySequence::NativeText)));
    action.setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

std::optional<bool> EnabledBy(TEnabling rule, const TActionFacts& f)
{
    switch (rule) {
    case Own: break;
    case Editing: return !f.Simulating;
    case Changes: return f.Modified;
    case Selection: return f.Selection;
    case EditingSelection: return f.Selection && !f.Simulating;
    case Undo: return f.CanUndo;
    case Redo: return f.CanRedo;
    }
    return std::nullopt;
}

}  // namespace

TAction::TAction(QObject* parent, const std::string& name, const std::string& category, const std::string& caption)
    : QAction(QString::fromStdString(caption), parent), Name(name), Category(category), Caption(caption)
{
    setObjectName(QString::fromStdString(name));
}

TActionManager::TActionManager(QObject* owner, const TImageList& images) : owner_(owner)
{
    for (const TCommandSpec& spec : Commands) {
        auto* action = new TAction(owner, spec.name, Shown(CategoryContext, spec.category),
                                   Shown(spec.captionContext, spec.caption));
        const QKeySequence shortcut(QString::fromLatin1(spec.shortcut));
        SetHint(*action, QString::fromStdString(Shown(nullptr, spec.hint)), shortcut);
        action->ImageIndex = spec.image;
        action->setIcon(ActionIcon(images, spec.image));
        action->setShortcut(shortcut);
        Add(spec.member, action, spec.enabling, spec.run);
    }
    Action1->setEnabled(false);
    actSimStop->setEnabled(false);
    actSimPause->setCheckable(true);
    actSimPause->setEnabled(false);
    actSimMarks->setCheckable(true);
    actSimMarks->setChecked(true);
    actLevelTags->setCheckable(true);
    actSaveRecord->setEnabled(false);

    auto* speeds = new QActionGroup(owner);
    speeds->setExclusive(true);
    for (const auto& [rate, caption] : SpeedLimits) {
        auto* action = new TAction(owner, "actSimSpeed" + std::to_string(rate), TrIn("action category", "Simulation"),
                                   Tr(caption));
        action->setData(rate);
        action->setCheckable(true);
        action->setChecked(rate == 0);
        speeds->addAction(action);
        SpeedActions.push_back(action);
        all_.append(action);
    }

    auto* schemes = new QActionGroup(owner);
    schemes->setExclusive(true);
    for (const auto& [name, caption] : ColourSchemes) {
        auto* action = new TAction(owner, name, TrIn(CategoryContext, "View"), TrIn("colour scheme", caption));
        action->setData(static_cast<int>(SchemeActions.size()));
        action->setCheckable(true);
        action->setChecked(SchemeActions.empty());
        schemes->addAction(action);
        SchemeActions.push_back(action);
        all_.append(action);
    }

    ToolGroup = new QActionGroup(owner);
    ToolGroup->setExclusive(true);
    for (TAction* tool : {actAuto, actMove, actCode, actDelete}) {
        tool->setCheckable(true);
        ToolGroup->addAction(tool);
    }
    for (const TPartToolSpec& spec : PartTools) {
        const std::string name = spec.name;
        auto* action =
            new TAction(owner, name, Shown(CategoryContext, spec.category), name == "act10TO2" ? "ac10TO2" : name);
        SetHint(*action, QString::fromStdString(Shown(PartToolContext, spec.hint)), {});
        action->ImageIndex = spec.image;
        action->setIcon(ActionIcon(images, spec.image));
        action->PartTool = TAction::TPartTool{spec.toolClass, spec.toolPartNo};
        action->setCheckable(true);
        ToolGroup->addAction(action);
        Add(spec.member, action, spec.enabling, spec.run);
    }
    actAuto->setChecked(true);
}

void TActionManager::Add(TAction* TActionManager::*member, TAction* action, TEnabling enabling, int run)
{
    this->*member = action;
    action->Enabling = enabling;
    all_.append(action);
    if (run == NotInRun) return;
    const auto at = static_cast<size_t>(run);
    if (ActionTable.size() <= at) ActionTable.resize(at + 1);
    ActionTable[at] = action;
}

void TActionManager::Update(const TActionFacts& facts)
{
    for (TAction* action : all_)
        if (const std::optional<bool> enabled = EnabledBy(action->Enabling, facts);
            enabled && action->isEnabled() != *enabled)
            action->setEnabled(*enabled);
}

TAction* TActionManager::NewMacroAction(const std::string& name)
{
    auto* action = new TAction(owner_, "", TrIn("action category", "Macro"), name);
    // A name is shown as it stands: an ampersand in it marks no accelerator.
    action->setText(QString::fromStdString(name).replace('&', QStringLiteral("&&")));
    return action;
}
