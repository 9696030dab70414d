#include "editor/ui/PictureFileSave.h"

#include "framework/MessageBox.h"
#include "lang/LangExcept.h"
#include "picture/FileDescriptor.h"
#include "picture/PictureFileExcept.h"

bool LdSavePictureFile(const PpQnPicture& picture, const std::string& path, QnProcessControl* control)
{
    try {
        picture->Save(PpQnLsmDsc(PpQnFileDescriptor(path.c_str(), QnFileDescriptor::FD_NEW)), control);
        return true;
    } catch (const QnPictureFileExcept& e) {
        // Silent to handlers that only know the silent kind; the library's
        // reason is what the user needs here.
        if (!e.IsUserAbort())
            fw::MessageBox(e.Reason(), fw::MB_OK | fw::MB_ICONEXCLAMATION);
    } catch (const QnSilentExcept&) {
    } catch (const QnLangUserAbortExcept&) {
    } catch (const QnExcept& e) {
        fw::MessageBox(e.what(), fw::MB_OK | fw::MB_ICONEXCLAMATION);
    }
    return false;
}
