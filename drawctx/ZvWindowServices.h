// What a drawing context asks of the window it shows its picture in when it
// realizes or animates its palette. The window library installs the real
// services when it is loaded; until then, and for a context used without
// windows, nothing is done and no palette entry changes. Tests install
// their own, such as a palette display they simulate.
#pragma once

#include "dither/LogPalette.h"

class ZvWindow;

class ZvWindowServices {
public:
    virtual ~ZvWindowServices() = default;

    // Selects palette into the window's context (in the background or the
    // foreground) and realizes it: the number of system palette entries
    // that changed, or -1 when realizing failed.
    virtual int RealizePalette(ZvWindow*, const LOGPALETTE&, bool /*background*/) { return 0; }
    // Brings the colours of the window's pixels to the newly realized
    // palette without repainting (the system's colour update).
    virtual void UpdateColors(ZvWindow*) {}
    // Changes entries of the realized palette live, first to first + count.
    virtual void AnimateEntries(ZvWindow*, unsigned /*first*/, unsigned /*count*/, const PALETTEENTRY*) {}
    // Marks the whole window for repainting.
    virtual void Invalidate(ZvWindow*, bool /*erase*/) {}
    // Paints what the window has marked, now, until nothing is left.
    virtual void UpdateNow(ZvWindow*) {}
    // Activates the window's top-level window and focuses the window, so
    // that its palette is realized in the foreground; RestoreActivation
    // gives activation and focus back to where they were.
    virtual void Activate(ZvWindow*) {}
    virtual void RestoreActivation(ZvWindow*) {}
};

// The services installed now.
ZvWindowServices& ZvServices();
// Installs services (null: the ones that do nothing); answers the old ones.
ZvWindowServices* ZvSetWindowServices(ZvWindowServices* services);
