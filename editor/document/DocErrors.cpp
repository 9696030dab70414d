#include "editor/document/DocErrors.h"

#include <new>

#include "editor/document/DocStrings.h"
#include "editor/operations/UserAbortExcept.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"
#include "lang/LangExcept.h"
#include "picture/PictureFileExcept.h"

void LdNothingToDo() { fw::MessageBox(DocString(IDS_NOTHING_TO_DO)); }

bool LdRunCommand(const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (...) {
        LdReportCommandError(std::current_exception());
        return false;
    }
}

void LdReportCommandError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const QnPictureFileExcept& e) {
        if (!e.IsUserAbort() && !e.Reason().empty())
            fw::MessageBox(e.Reason(), fw::MB_OK | fw::MB_ICONEXCLAMATION);
    } catch (const QnSilentExcept&) {
    } catch (const UserAbortExcept&) {
    } catch (const QnLangUserAbortExcept&) {
    } catch (const QnExcept& e) {
        fw::MessageBox(e.what(), fw::MB_OK | fw::MB_ICONEXCLAMATION);
    } catch (const fw::Exception&) {
        throw;
    } catch (const std::bad_alloc&) {
        fw::MessageBox("There is not enough memory for this picture.", fw::MB_OK | fw::MB_ICONEXCLAMATION);
    } catch (...) {
    }
}
