// "File save options": the folder scanned pictures are stored in and their
// file format. OK makes sure the folder exists (offering to create it) and
// keeps the dialog open while it does not.
#pragma once

#include <string>

#include "album/app/AlbumHelpDlg.h"

class CScanOptionsDlg : public CAlbumHelpDlg {
public:
    // baseFolder: what a relative folder is taken from (the album's folder).
    CScanOptionsDlg(std::string baseFolder, QWidget* parent = nullptr);

    std::string folder;
    int format = 0;

    void DoDataExchange(fw::DataExchange& dx) override;
    void OnOK() override;
    void OnCommand(uint32_t id) override;

protected:
    void CreateControls() override;

private:
    void OnBrowse();
    std::string baseFolder_;
};
