// The resources the drawing library carries (strings, dialog texts,
// bitmaps), and the same looked up in the language GetForcedLangId gives.
#pragma once

#include "platform/LangResources.h"

const platform::ResourceTable& ZvLibraryResources();
// The forced language first; where it has no resource, the language the
// system's own lookup would pick, then the ordinary resources.
const platform::LangResources& ZvLibraryLangResources();
