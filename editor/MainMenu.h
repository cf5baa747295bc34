#pragma once

class QMainWindow;
class QMenu;
class TActionManager;

// Builds the menu bar (ActionMainMenuBar1) from the actions, giving each action its menu text;
// answers the macro submenu, whose entries the window adds after the placeholder. The view menu
// (mnuView) ends with a dash and the colour schemes' submenu (mnuColours), for the language submenu.
QMenu* BuildMainMenu(QMainWindow& window, TActionManager& actions);
// The three tool bars, image only, in two rows: file and editing commands above, the tools below.
void BuildToolBars(QMainWindow& window, TActionManager& actions);
