// How an editing command ends on an error of the suite: quietly, the
// failed commit having left the document as it was. Framework errors go on
// to the framework, which reports them.
#pragma once

#include "framework/Exception.h"

template <class Work>
void LdRunQuietEdit(Work work)
{
    try {
        work();
    } catch (const fw::Exception&) {
        throw;
    } catch (...) {
    }
}
