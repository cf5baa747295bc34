#include "ClassRegistry.h"

#include "Board.h"
#include "PartU.h"

#include <array>

namespace {

template <class T>
TPartsBase* Make(TBord& board, Canvas* windowSurface)
{
    return board.Create<T>(windowSurface);
}

// Reading Text and FontSize needs the box's edit control ready.
TPartsBase* MakeTextBox(TBord& board, Canvas* windowSurface)
{
    auto* box = board.Create<TTextBox>(windowSurface);
    box->CreateEditor();
    return box;
}

constexpr std::array Classes{
    TPartClass{"TGate", Make<TGate>},
    TPartClass{"TCode", Make<TCode>},
    TPartClass{"TDot", Make<TDot>},
    TPartClass{"TNot", Make<TNot>},
    TPartClass{"TPushSW", Make<TPushSW>},
    TPartClass{"TTglSW", Make<TTglSW>},
    TPartClass{"TLED", Make<TLED>},
    TPartClass{"TJKFF", Make<TJKFF>},
    TPartClass{"TDFF", Make<TDFF>},
    TPartClass{"TTFF", Make<TTFF>},
    TPartClass{"TPulser", Make<TPulser>},
    TPartClass{"TTextBox", MakeTextBox},
    TPartClass{"TScope", Make<TScope>},
    TPartClass{"TLED7SEG", Make<TLED7SEG>},
    TPartClass{"T2TO10", Make<T2TO10>},
    TPartClass{"T10TO2", Make<T10TO2>},
    TPartClass{"T7SEG", Make<T7SEG>},
    TPartClass{"TFullAdder", Make<TFullAdder>},
    TPartClass{"TContainer", Make<TContainer>},
    TPartClass{"TInTerminal", Make<TInTerminal>},
    TPartClass{"TOutTerminal", Make<TOutTerminal>},
    TPartClass{"TOneShot", Make<TOneShot>},
    TPartClass{"TMatrix8X8", Make<TMatrix8X8>},
};

}  // namespace

std::span<const TPartClass> PartClasses() { return Classes; }

const TPartClass* FindPartClass(std::string_view name)
{
    for (const TPartClass& c : Classes)
        if (name == c.Name) return &c;
    return nullptr;
}
