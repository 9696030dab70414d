// The file check's questions asked with the album's dialogs: "Album error"
// for a missing file, the changed-file question, and an open dialog for
// the file that takes a missing one's place.
#pragma once

#include "album/doc/AlbumFileCheck.h"

class QWidget;

class AlbumDialogQuestions : public AlbumFileQuestions {
public:
    explicit AlbumDialogQuestions(QWidget* parent) : parent_(parent) {}

    Missing AskMissing(const COvalbumRec& record) override;
    Changed AskChanged(const COvalbumRec& record) override;
    std::optional<std::string> ChooseReplacement(const COvalbumRec& record) override;

private:
    QWidget* parent_;
};
