// Keeps an album in step with its picture files: a record whose file was
// changed is renewed, one whose file is gone is pointed at another file,
// removed or left alone, as the user answers. Nothing is removed without
// the user's word; a record the user chose to ignore is not asked about
// again while the program runs.
#pragma once

#include <optional>
#include <string>

class COvalbumDoc;
class COvalbumRec;

// The questions the check asks; the program answers with its dialogs, the
// tests with a script.
class AlbumFileQuestions {
public:
    enum class Missing { Associate, Delete, Ignore };
    enum class Changed { Yes, No, YesToAll };

    virtual ~AlbumFileQuestions() = default;
    virtual Missing AskMissing(const COvalbumRec& record) = 0;
    virtual Changed AskChanged(const COvalbumRec& record) = 0;
    // Another file for a record whose file is gone; none when cancelled.
    virtual std::optional<std::string> ChooseReplacement(const COvalbumRec& record) = 0;
};

// Renews the record after its file state: a changed file is read again, a
// missing one replaced by the file the user chooses. False when nothing
// changed (unchanged, unreadable, or no file chosen).
bool RefreshAlbumRecord(COvalbumDoc& doc, COvalbumRec& record, AlbumFileQuestions& questions);

// One pass over the album in list order, asking about every record whose
// file is missing or changed and that is not ignored; the records the user
// deleted are removed at the end in one undo step.
void CheckAlbumFiles(COvalbumDoc& doc, AlbumFileQuestions& questions);
