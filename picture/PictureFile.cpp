// A picture under a file descriptor: read and written in the file's own
// format by the import/export library, through the picture's work areas.
#include "picture/Picture.h"

#include "imexp/ImExp.h"
#include "lang/ProgressIndicatorAuto.h"
#include "picture/ConvProgress.h"
#include "picture/PictureFileExcept.h"
#include "picture/PictureRcStr.h"
#include "picture/ShrinkOnLoad.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// The library takes names as writable text; it gets a copy of its own.
std::vector<char> NameArg(const char* name)
{
    return std::vector<char>(name, name + std::strlen(name) + 1);
}

[[noreturn]] void RaiseFileError(const ConvProgress& progress)
{
    QnPictureFileExcept error(ImExp_GetLastError(), progress.Stopped() || ImExp_LastErrorIsCancel());
    error.raise();
}

} // namespace

void QnPicture::LoadDataFromFile(const char*, const char* realFileName, QnProcessControl* control)
{
    QnProgressIndicatorAuto indicator(control, 0);
    // Names the file really read: while a save is pending it is a copy.
    indicator.SetText(QnPictureText(QN_PIC_LOADING_FILE, realFileName).c_str());
    ConvProgress progress(indicator);
    if (QnShrinkOnLoad::Active()) {
        LoadWithPreview(realFileName, progress);
        return;
    }
    std::vector<char> file = NameArg(realFileName);
    if (!ImExp_ReadFile(this, nullptr, file.data(), -1, &progress, nullptr, 0))
        RaiseFileError(progress);
    // The library hands over every row before it answers success; a
    // picture that got none would still have no tiles.
    if (!tilesReady_)
        MakeReady();
}

int QnPicture::SaveDataToFile(const char* fileName, const char* realFileName, QnProcessControl* control) const
{
    QnProgressIndicatorAuto indicator(control, 0);
    indicator.SetText(QnPictureText(QN_PIC_SAVING_TO_FILE, fileName).c_str());
    ConvProgress progress(indicator);
    std::vector<char> file = NameArg(realFileName);
    int format = 0;
    if (!ImExp_WriteFile(this, nullptr, file.data(), &format, &progress, saveOptions_.GetPtrRef(),
                         callSaveOptions_))
        RaiseFileError(progress);
    // The format written, not the spelling of the extension, says whether
    // the file lost data: ".jpeg" and ".jpe" are JPEG files as much as ".jpg".
    return format == int(imexp::Format::Jpeg) ? 1 : 0;
}
