#pragma once

#include "Geometry.h"
#include "SimWatch.h"
#include "TestTable.h"

#include <string>
#include <vector>

class TBord;
class TPartsBase;
class TSwitch;

// The columns of a table bound to the objects of one circuit.
struct TTableColumns {
    std::vector<TSwitch*> Inputs;
    std::vector<TWatch> Outputs;
};

// Binds every column: NAME is the object of that Name (NAME.I one of its terminals, as a watch
// of voltrane-sim); A=LABEL the object named LABEL, or, when no object has that Name, the object
// LABEL marks (LabelledObject). Inputs must be toggle switches or push buttons; outputs levels,
// lamps or seven-segment displays, and a level or a lamp takes only 0, 1 and X. Throws
// TUsageError naming the first column that cannot be bound.
TTableColumns BindColumns(const TTestTable& table, const TBord& board, const TNamedObjects& named);

// The object a text box marks: among the text boxes whose text is label (one line, spaces around
// it aside), the first in the list that has, right of it or below it and at most MaxLabelGap
// pixels away, a switch (inputs) or a lamp or seven-segment display (outputs) of its own level;
// the nearest of those, the first in the list of equally near ones. Right of: the object's left
// edge at or past the box's right edge, their vertical extents overlapping; below likewise.
// Null when there is none.
TPartsBase* LabelledObject(const TBord& board, const std::string& label, bool input);
inline constexpr int MaxLabelGap = 60;

// A run's watch W: NAME.I, or an indicator's NAME, as TWatch takes them; when no object has the
// name, the lamp or display a label W marks, or else the output of a part beside which a label W
// stands (the first in the list), as a probe's channel is named. Throws TUsageError when nothing is.
TWatch NamedWatch(const std::string& spec, const TBord& board, const TNamedObjects& named);

// The same rule read the other way: the one-line text of the nearest text box that has the point
// (a terminal of owner, in board coordinates) right of it or below it, at most MaxLabelGap pixels
// away and in owner's board; empty when there is none.
std::string LabelBeside(const TBord& board, const TPartsBase& owner, TPoint at);
