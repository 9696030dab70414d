// The album's About box: its title, the machine's physical memory and the
// free space of the current folder's disk.
#pragma once

#include "album/app/AlbumHelpDlg.h"

class CAboutDlg : public CAlbumHelpDlg {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    void CreateControls() override;
};
