// "Picture Information": a record's file, times and free texts, under the
// album's captions. Only the four texts can be changed.
#pragma once

#include <string>

#include "album/app/AlbumHelpDlg.h"

class COvalbumDoc;
class COvalbumRec;

class CPictureInfoDlg : public CAlbumHelpDlg {
public:
    CPictureInfoDlg(const COvalbumDoc& doc, const COvalbumRec& record, QWidget* parent = nullptr);

    std::string path, alias, comments, group, subgroup, created, modified;

    void DoDataExchange(fw::DataExchange& dx) override;
    void OnCommand(uint32_t id) override;

protected:
    void CreateControls() override;

private:
    // What the picture library tells of the file.
    void OnFileInfo();
    std::string groupLabel_, subgroupLabel_, aliasLabel_;
};
