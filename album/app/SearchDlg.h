// "Search": the album's search settings, with the names the album holds
// offered in the four pattern boxes.
#pragma once

#include "album/app/AlbumHelpDlg.h"
#include "album/doc/AlbumSearch.h"

class COvalbumDoc;

class CSearchDlg : public CAlbumHelpDlg {
public:
    explicit CSearchDlg(const COvalbumDoc& doc, QWidget* parent = nullptr);

    AlbumSearch search;

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;

protected:
    void CreateControls() override;

private:
    const COvalbumDoc& doc_;
};
