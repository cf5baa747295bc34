#include "PassEngine.h"

#include "Board.h"

TPassEngine::TPassEngine(TBord& board, TEngineMode mode) : board_(board), mode_(mode) {}

TPassEngine::~TPassEngine() = default;

void TPassEngine::Start()
{
    board_.SetConnectTanshi();
    board_.ResolveNets();
    board_.ResetAndSettle();
}

void TPassEngine::Pass()
{
    board_.CalcAll();
    board_.TickAll();
}
