#include "HeadlessCircuit.h"

#include "CircuitText.h"

THeadlessCircuit::THeadlessCircuit(const TStrings& lines, TEngineMode engine, WindowFactory* windows)
    : circuit_(&surface_)
{
    circuit_.Context.Engine = engine;
    circuit_.Context.Windows = windows;
    LoadParts(lines, loaded_, circuit_.Bord, nullptr, &windowSurface_, &names_);
    circuit_.Bord.CheckAllLinks();
}
