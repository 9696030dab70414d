// The fax wizard: the editor's picture written to a file beside the module
// and handed to the user's mail composer as the attachment of a new message,
// with the subject and notes of the "Fax" dialog; the recipients are given
// in the composer. Without a picture it offers the editor's File > Open and
// Open From Album instead.
#pragma once

#include "tasks/module/WrenkitPictureTool.h"

#include <string>

class CTool_Fax : public CWrenkitPictureTool {
    FW_DECLARE_DYNCREATE(CTool_Fax)

public:
    // The module's texts of what can fail on the way to the composer.
    static constexpr int IDS_MAPI_NOT_INSTALLED = 252;  // no xdg-email, or no composer behind it
    static constexpr int IDS_LOGON_ERROR = 253;         // xdg-email would not run
    static constexpr int IDS_ADDRESS_ERROR = 254;       // it ran and did not take the message

    CTool_Fax();

    // Answers 0.
    int Execute() override;
    // Without xdg-email the user is told and nothing is written. The
    // message goes after Cancel in the "Fax" dialog as well, without
    // subject and notes; the file is left in place.
    void SendFax();

    // The picture file: the module's file name with the extension "BMP" in
    // the module's folder, or in fallbackFolder when the module's folder
    // takes no new files (an installed module's usually does not).
    static std::string FaxFilePath(const std::string& modulePath, const std::string& fallbackFolder);
};
