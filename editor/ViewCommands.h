#pragma once

#include <QObject>

class QMainWindow;
class TActionManager;
class TBoardView;
struct TEditSession;

// The zoom commands of the view: in and out in steps, about the pointer when it is over the board,
// to 100 %, and to fit the circuit or the selection.
class TViewCommands : public QObject {
public:
    TViewCommands(QMainWindow& window, const TActionManager& actions, TBoardView& view, TEditSession& session);

private:
    TBoardView& view_;
    TEditSession& session_;
};
