#pragma once

#include "EditSession.h"

#include <string>

class Shell;

// Macros: sub-boards stored with their contents in the macro folder, one file per name, placed
// again with the press that follows their choice.

// Why the name cannot be a macro's file name in the macro folder; empty when it can. Names are
// refused that would leave the folder, that the file system or code page 932 cannot hold, or that
// some systems reserve.
std::string MacroNameFault(const std::string& name);
std::string MacroPath(const std::string& folder, const std::string& name);
// The name the register dialog proposes for the box.
std::string ProposedMacroName(const TContainer& box);

// Writes the box with everything inside it as the macro of that name and gives the box the name;
// the box is then the only selection and PartsText holds the macro's text. Asks before it replaces
// the file of another macro. Returns false, with box, list and files as they were, when the name
// is refused, the question is declined or the write fails (the error names the file). The name is
// put at the top of the list unless the list holds it already.
bool RegisterMacro(TEditSession& s, Shell& shell, const std::string& folder, TContainer& box, const std::string& name);

// Loads the macro into PartsText and arms its placement with the select tool checked; an error
// box when it is not there.
bool ChooseMacro(TEditSession& s, Shell& shell, const std::string& folder, const std::string& name);
// Places the macro held in PartsText at the press, into the box under it or at top level, as
// one undo step; its sub-board's top-left corner goes to the point. Text that breaks the format
// places nothing and records nothing. The tool is disarmed either way.
void PlaceMacro(TEditSession& s, int x, int y);
