// The resolutions a picture can be given from the devices it is shown or
// printed on, in dots per inch (x, y).
#pragma once

#include "render/Rect.h"

#include <optional>

// The display's logical pixels per inch.
QnPoint LdScreenResolution();
// The default printer's resolution; nothing when no printer is the default.
std::optional<QnPoint> LdDefaultPrinterResolution();
// What the resize dialog takes for "printer": 300 on both axes without one.
QnPoint LdPrinterResolution();
