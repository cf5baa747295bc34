#pragma once

class TPartsBase;

// Whether what the part shows is a state of its own that may still change while its inputs stay
// as they are: a lamp's or the dot matrix's afterglow counting down, a display catching up with
// its inputs. Such a part, unless it is at rest, keeps a run computing its passes.
bool ShowsStateOfItsOwn(const TPartsBase& part);
