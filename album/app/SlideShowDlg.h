// "Slide Show preferences": the pause between pictures in whole seconds.
#pragma once

#include <cstdint>

#include "album/app/AlbumHelpDlg.h"

class CSlideShowDlg : public CAlbumHelpDlg {
public:
    explicit CSlideShowDlg(QWidget* parent = nullptr);

    uint32_t delay = 0;  // seconds, 0 to 100

    void DoDataExchange(fw::DataExchange& dx) override;

protected:
    void CreateControls() override;
};
