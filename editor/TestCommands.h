#pragma once

#include "ActionManager.h"
#include "EditSession.h"
#include "TestTable.h"

#include <QObject>

#include <cstdint>
#include <optional>
#include <string>

class QWidget;
class Shell;
class TDocument;
class TRunCommands;
class TTestReportForm;

// The test command: a test table run against the open circuit, its rows in the report window,
// and the circuit set to a row on request.
class TTestCommands : public QObject {
public:
    TTestCommands(QWidget& window, TActionManager& actions, TEditSession& session, TDocument& document,
                  TRunCommands& runs, Shell& shell);

    // Asks for a test table, checks a copy of the circuit as its file would hold it against it and
    // lists the rows in the report window.
    void Execute();
    // The circuit itself set to row `row` of the last table as the check ran it, paused, showing
    // its levels.
    void ShowRow(size_t row);
    // Greys the report once the circuit it was made for has changed.
    void Refresh();

    // The rows of the last test; made by the first.
    TTestReportForm* frmTestReport = nullptr;

private:
    QWidget& window_;
    TEditSession& s_;
    TDocument& document_;
    TRunCommands& runs_;
    Shell& shell_;
    // The last test table read, and its file, which the next test's dialog proposes.
    std::optional<TTestTable> table_;
    std::string tablePath_;
    // The board's edit count when the report was made: any edit since makes it outdated.
    uint64_t testedEdits_ = 0;
    // The report's line says a run stands paused at a row; it goes when that run ends.
    bool rowPaused_ = false;
};
