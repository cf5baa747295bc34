#include "Scope.h"

#include "Board.h"
#include "HeadlessWindows.h"

TScope::TScope(TBord& board, Canvas* windowSurface)
    : TPart(board, windowSurface), ScopeWindow(NewScopeSink(board.Context()))
{
    SetSize(40, 50);
    SetTanshi();
}

TScope::~TScope() { ScopeWindow->Close(); }

void TScope::SetTanshi()
{
    ClearTanshis();
    for (int channel = 0; channel < 4; ++channel) AddTanshi(0, 10 * channel + 10, dirInput);
}

void TScope::Calc()
{
    for (int channel = 0; channel < 4; ++channel) ScopeWindow->SetLevel(channel, Tanshis.Items(channel)->Level);
    ScopeWindow->Sample();
}

void TScope::Draw()
{
    if (Canvas* c = BoardCanvas()) c->DrawSprite(TSpriteList::Scope, 0, Left, Top);
}
