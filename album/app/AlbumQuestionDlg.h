// The two questions the album's file check asks about one record: "Album
// error" for a missing file (Associate, Delete, Ignore) and the changed-file
// question (Yes, No, Yes to All). Both show one message and close with the
// pressed button's result.
#pragma once

#include <string>

#include "album/app/AlbumHelpDlg.h"

class CAlbumQuestionDlg : public CAlbumHelpDlg {
public:
    enum class Kind { MissingFile, ChangedFile };
    // Results beside IDOK and IDCANCEL.
    static constexpr int kIgnore = 5;
    static constexpr int kYesToAll = 1103;

    CAlbumQuestionDlg(Kind kind, std::string message, QWidget* parent = nullptr);

    void OnCommand(uint32_t id) override;

protected:
    void CreateControls() override;
    // Escape or the close box on a missing file ignores it: a record goes
    // only when the user presses "Delete".
    void reject() override;

private:
    Kind kind_;
    std::string message_;
};
