#include "framework/EventGuard.h"

#include <cstring>

#include "base/QnExcept.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"

namespace fw {

bool GuardedCall(const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const Exception& e) {
        e.ReportError();
    } catch (const QnExcept& e) {
        // An error with no text has been reported already or needs no words.
        if (std::strlen(e.what()) != 0)
            MessageBox(e.what(), MB_OK | MB_ICONEXCLAMATION);
    } catch (const std::exception& e) {
        MessageBox(e.what(), MB_OK | MB_ICONSTOP);
    } catch (...) {
        MessageBox("An unexpected error occurred.", MB_OK | MB_ICONSTOP);
    }
    return false;
}

}  // namespace fw
