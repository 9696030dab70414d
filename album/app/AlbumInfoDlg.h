// "Album Information": the album file, its times and number of pictures,
// with the comments and the two captions the user may change.
#pragma once

#include <cstdint>
#include <string>

#include "album/app/AlbumHelpDlg.h"

class COvalbumDoc;

class CAlbumInfoDlg : public CAlbumHelpDlg {
public:
    explicit CAlbumInfoDlg(const COvalbumDoc& doc, QWidget* parent = nullptr);

    std::string path, comments, groupCaption, subgroupCaption, created, modified;
    int32_t count = 0;

    void DoDataExchange(fw::DataExchange& dx) override;

protected:
    void CreateControls() override;
};
