// Every test program speaks Japanese, the language of the texts the tests compare, unless a test
// chooses another. The catalog is the build tree's, so no locale installed on the machine matters.
#include "Messages.h"

namespace {

const bool japanese = UseLanguage("ja", {VOLTRANE_CATALOGS});

}  // namespace
