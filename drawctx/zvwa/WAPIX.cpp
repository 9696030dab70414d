#include "drawctx/zvwa/WAPIX.h"

#include "base/QnExcept.h"

WAPIX::WAPIX(WA* wa, int mode) : wa_(wa), mode_(mode)
{
    if (!wa || (mode != WAPIX_READ && mode != WAPIX_WRITE)) {
        QnExcept e("Bad picture access", "WAPIX", __LINE__);
        e.raise();
    }
    WAAddRef(wa_);
}

WAPIX::~WAPIX() { WARelease(wa_); }

uint8_t* WAPIX::GetAccessToRow(int row) const
{
    if (row < 0 || row >= wa_->height)
        return nullptr;
    return wa_->Row(row);
}
