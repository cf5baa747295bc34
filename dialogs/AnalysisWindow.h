#pragma once

#include "AnalysisTable.h"
#include "PartsBase.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPoint;
class QLineEdit;
class QPushButton;
class QTableView;
class Shell;
class TKarnaughView;
class TOutputForms;
class TTruthTableModel;

// What a combinational circuit computes, and what a table asks: the truth table (from the board,
// typed, pasted or opened), for the chosen output its minimal sum of products and product of sums
// in the textbook's notation and its Karnaugh map with the groups of either form; a comparison
// with another table or circuit marks the rows and cells that differ. A click on an output's cell,
// in the table or on the map, turns it 0 → 1 → X. The chosen output's form can be built as a
// sub-board of the chosen gates and placed beside the circuit on the board.
class TAnalysisWindow : public QWidget {
public:
    // The table of the circuit on the board with the added terminals' columns; none when it has
    // none, the reason told when asked to.
    using TFromBoard =
        std::function<std::optional<TAnalysisTable>(bool tellWhy, const std::vector<std::string>& added)>;

    // Places circuit text beside the circuit on the board, as one undo step; false when it cannot.
    using TPlace = std::function<bool(const TStrings& lines)>;

    TAnalysisWindow(Shell& shell, TFromBoard fromBoard, TPlace place, QWidget* parent = nullptr);
    ~TAnalysisWindow() override;

    // Shows the table; an earlier comparison's marks go.
    void ShowTable(TAnalysisTable table);
    const std::optional<TAnalysisTable>& Table() const { return table_; }
    // Reads a table typed, pasted or opened; false, with an error box naming the source and the
    // line, when it cannot.
    bool ReadTable(const std::string& text, const std::string& source);
    // Marks where the shown table and the other differ and says how many rows do; false with an
    // error box when they cannot be compared.
    bool CompareWith(const TAnalysisTable& other, const std::string& source);
    // Writes the table as a test table (.lgt) or, for a name ending in .csv, as CSV; false with an
    // error box when it cannot.
    bool SaveTable(const std::string& path);
    // Shows the board's table with a column for one more terminal: NAME.I, or the text of a label
    // beside a part's output; false, with an error box, when there is none such.
    bool AddColumn(const std::string& terminal);
    // Moves a column, as a drag of its heading does: an input among the inputs, an output among the
    // outputs; false for a move from one group to the other.
    bool MoveColumn(size_t from, size_t to);
    // Hides an output's column from the grid, until every column is shown again.
    void HideColumn(size_t column);
    void ShowEveryColumn();
    // The output shown: its forms and its map.
    void ShowOutput(size_t output);
    // Turns an output's value at a row 0 → 1 → X → 0.
    void CycleValue(uint32_t row, size_t output);
    // Builds the form chosen in cmbForm of the shown output, or of every output when
    // chkEveryOutput is checked, of the gates chosen in cmbStyle as a sub-board, tries it with the
    // test-table checker against the table and, when it passes, places it; false, with an error
    // box saying why, when it does not or cannot.
    bool BuildOnBoard();
    // The rows that differ in the last comparison, for an output.
    std::vector<uint32_t> DifferingRows(size_t output) const;

    QPushButton* btnFromBoard;
    QPushButton* btnOpen;
    QPushButton* btnPaste;
    QLineEdit* edtColumns;
    QPushButton* btnNew;
    QPushButton* btnSave;
    QPushButton* btnCompare;
    QTableView* grdTable;
    QLineEdit* edtAddColumn;
    QPushButton* btnAddColumn;
    QComboBox* cmbOutput;
    QComboBox* cmbGroups;
    QLabel* lblSum;
    QLabel* lblProduct;
    TKarnaughView* pboxMap;
    QComboBox* cmbStyle;
    QComboBox* cmbForm;
    QCheckBox* chkEveryOutput;
    QPushButton* btnBuild;
    QLabel* lblStatus;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();
    void TakeFromBoard(bool tellWhy);
    void ShowHeaderMenu(const QPoint& at);
    void OpenTable();
    void OpenComparison();
    void NewTable();

    Shell& shell_;
    TFromBoard fromBoard_;
    TPlace place_;
    std::optional<TAnalysisTable> table_;
    // The terminals whose columns the board's table shows besides its lamps and displays.
    std::vector<std::string> added_;
    // The outputs hidden from the grid, by name, so that a new table hides them too.
    std::vector<std::string> hidden_;
    std::vector<TTableDifference> differences_;
    TTruthTableModel* model_;
    // What the shown table was compared with, for the status line.
    std::string comparedWith_;
    TOutputForms* forms_;
};
