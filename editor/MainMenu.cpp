#include "MainMenu.h"

#include "ActionManager.h"
#include "Translated.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <initializer_list>

namespace {

using Member = TAction* TActionManager::*;

// A menu entry: the action and its menu text in English, marked for the catalog (none: the action's
// own caption); no action: a dash.
struct TEntry {
    Member action;
    const char* text;
};
constexpr TEntry Dash{nullptr, nullptr};

void AddEntries(QMenu& menu, TActionManager& actions, std::initializer_list<TEntry> entries)
{
    for (const TEntry& entry : entries) {
        if (!entry.action) {
            menu.addSeparator();
            continue;
        }
        TAction* action = actions.*entry.action;
        action->setText(entry.text ? QTr(entry.text) : QString::fromStdString(action->Caption));
        menu.addAction(action);
    }
}

QToolBar* AddToolBar(QMainWindow& window, const char* name, TActionManager& actions,
                     std::initializer_list<Member> items)
{
    auto* bar = new QToolBar(QString::fromLatin1(name), &window);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The bars stay where they are built: no handle to drag them off, no floating window.
    bar->setMovable(false);
    bar->setFloatable(false);
    // The armed tool must be plain to see; the style's own checked look is a faint shade.
    bar->setStyleSheet(QStringLiteral("QToolButton:checked { background: #a8c8f0; border: 1px solid #1c4f96;"
                                      " border-radius: 2px; }"));
    for (Member item : items) {
        if (item) bar->addAction(actions.*item);
        else bar->addSeparator();
    }
    window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

}  // namespace

QMenu* BuildMainMenu(QMainWindow& window, TActionManager& a)
{
    using M = TActionManager;
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("ActionMainMenuBar1"));

    AddEntries(*bar->addMenu(QTrIn("menu", "&File")), a,
               {{&M::actNew, TrMark("&New")},
                {&M::actOpen, TrMark("&Open...")},
                {&M::actSave, TrMark("&Save")},
                {&M::actSaveAs, TrMark("Save &as...")},
                Dash,
                {&M::actExportPicture, TrMark("&Export picture...")},
                {&M::actPrint, TrMark("&Print...")},
                {&M::actExit, TrMark("E&xit")}});

    AddEntries(*bar->addMenu(QTrIn("menu", "&Edit")), a,
               {{&M::actUndo, TrMark("&Undo")},
                {&M::actRedo, TrMark("R&edo")},
                Dash,
                {&M::actCopy, nullptr},
                {&M::actCut, nullptr},
                {&M::actCopyPicture, TrMark("Copy as p&icture")},
                {&M::actPaste, nullptr},
                {&M::actDel, nullptr},
                {&M::actSelectAll, nullptr},
                {&M::actRound, nullptr},
                {&M::actBoxSelection, nullptr},
                Dash,
                {&M::actMacroMtn, TrMark("Manage &macros...")}});

    QMenu* view = bar->addMenu(QTrIn("menu", "&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    AddEntries(*view, a,
               {{&M::actZoomIn, TrMark("Zoom &in")},
                {&M::actZoomOut, TrMark("Zoom &out")},
                {&M::actZoom100, TrMark("&100%")},
                Dash,
                {&M::actZoomFit, TrMark("Show &whole circuit")},
                {&M::actZoomSelection, TrMark("Show &selection")},
                Dash,
                {&M::actLevelTags, TrMark("Level &tags")}});
    QMenu* colours = view->addMenu(QTr("&Colours"));
    colours->setObjectName(QStringLiteral("mnuColours"));
    const char* const schemeTexts[] = {TrMarkIn("colour scheme", "&Normal"), TrMarkIn("colour scheme", "&Dark"),
                                       TrMarkIn("colour scheme", "Colour-&blind safe"),
                                       TrMarkIn("colour scheme", "&Printer")};
    for (size_t i = 0; i < a.SchemeActions.size() && i < std::size(schemeTexts); ++i) {
        a.SchemeActions[i]->setText(QTrIn("colour scheme", schemeTexts[i]));
        colours->addAction(a.SchemeActions[i]);
    }

    QMenu* parts = bar->addMenu(QTrIn("menu", "&Parts"));
    AddEntries(*parts->addMenu(QTr("M&SI")), a,
               {{&M::act7SEG, TrMark("&7-segment decoder")},
                {&M::act2TO10, TrMark("&Binary to decimal")},
                {&M::act10TO2, TrMark("&Decimal to binary")}});
    QMenu* macros = parts->addMenu(QTr("&Macros"));
    AddEntries(*macros, a, {{&M::Action1, TrMark("(&none)")}});
    AddEntries(*parts, a,
               {{&M::actNAND2, TrMark("&NAND gate")},
                {&M::actNOR2, TrMark("N&OR gate")},
                {&M::actNOT, TrMark("NOT gate (in&verter)")},
                {&M::actAND2, TrMark("&AND gate")},
                {&M::actOR2, TrMark("O&R gate")},
                {&M::actEOR2, TrMark("&XOR gate")},
                {&M::actENOR, TrMark("XNOR &gate")},
                {&M::actRLED, TrMark("&LED (red, blue, green)")},
                {&M::actLED7SEG, TrMark("&7-segment display (common anode)")},
                {&M::actMatrix8X8, TrMark("&8×8 LED matrix")},
                {&M::actPUSHSW, TrMark("Pus&h-button switch")},
                {&M::actTGLSW, TrMark("Toggle s&witch")},
                {&M::actPULSER, TrMark("&Pulse generator")},
                {&M::actOneShot, TrMark("On&e-shot")},
                {&M::actJKFF, TrMark("&JK flip-flop")},
                {&M::actDFF, TrMark("&D flip-flop")},
                {&M::actTFF, TrMark("T &flip-flop")},
                {&M::actFA, TrMark("&1-bit full adder")},
                {&M::actText, TrMark("&Text box")},
                {&M::actContainer, TrMark("Sub-&board")},
                {&M::actInTerminal, TrMark("&Input terminal")},
                {&M::actOutTerminal, TrMark("O&utput terminal")},
                {&M::actSCOPE, TrMark("Os&cilloscope")}});

    auto* speeds = new QMenu(&window);
    for (TAction* speed : a.SpeedActions) speeds->addAction(speed);
    a.actSimSpeed->setMenu(speeds);
    AddEntries(*bar->addMenu(QTrIn("menu", "&Simulation")), a,
               {{&M::actSimStart, TrMark("&Start simulation")},
                {&M::actSimStop, TrMark("&End simulation")},
                Dash,
                {&M::actSimPause, TrMark("&Pause")},
                {&M::actSimStep, TrMark("Run &one pass")},
                {&M::actSimStepN, TrMark("Run &N passes...")},
                {&M::actSimSpeed, TrMark("Spee&d")},
                {&M::actSimMarks, TrMark("Show &changed parts")},
                Dash,
                {&M::actSaveRecord, TrMark("Save &record...")},
                Dash,
                {&M::actTest, TrMark("&Test...")},
                {&M::actTiming, TrMark("Timin&g diagram...")},
                {&M::actAnalysis, TrMark("Circuit &analysis...")}});
    AddEntries(*bar->addMenu(QTrIn("menu", "&Help")), a, {{&M::actHelp, nullptr}, {&M::actAbout, nullptr}});
    return macros;
}

void BuildToolBars(QMainWindow& window, TActionManager& a)
{
    using M = TActionManager;
    // The window's own context menu would only list the bars by their internal names, to hide them.
    window.setContextMenuPolicy(Qt::NoContextMenu);
    AddToolBar(window, "ActionToolBar6", a, {&M::actNew, &M::actOpen, &M::actSave});
    QToolBar* commands = AddToolBar(window, "ActionToolBar8", a,
                                    {&M::actCut, &M::actCopy, &M::actPaste, nullptr, &M::actUndo, &M::actRedo, nullptr,
                                     &M::actCode, &M::actMove, &M::actDelete, nullptr, &M::actSimStop, &M::actSimStart,
                                     &M::actSimPause, &M::actSimStep, &M::actSimStepN, &M::actSimSpeed});
    // The speed button opens its list of limits at a click.
    if (auto* speed = qobject_cast<QToolButton*>(commands->widgetForAction(a.actSimSpeed)))
        speed->setPopupMode(QToolButton::InstantPopup);
    window.addToolBarBreak(Qt::TopToolBarArea);
    AddToolBar(window, "ActionToolBar7", a,
               {&M::actAuto,  &M::actNAND2,  &M::actNOR2,      &M::actNOT,        &M::actAND2,        &M::actOR2,
                &M::actEOR2,  &M::actENOR,   &M::actRLED,      &M::actLED7SEG,    &M::actMatrix8X8,   &M::actPUSHSW,
                &M::actTGLSW, &M::actPULSER, &M::actOneShot,   &M::actJKFF,       &M::actDFF,         &M::actTFF,
                &M::actFA,    &M::actText,   &M::actContainer, &M::actInTerminal, &M::actOutTerminal, &M::actSCOPE});
}
