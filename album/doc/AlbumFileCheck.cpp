#include "album/doc/AlbumFileCheck.h"

#include <vector>

#include "album/doc/OvalbumDoc.h"

bool RefreshAlbumRecord(COvalbumDoc& doc, COvalbumRec& record, AlbumFileQuestions& questions)
{
    switch (record.GetFileState()) {
    case COvalbumRec::fileChanged:
        return doc.RenewRecord(record, record.path);
    case COvalbumRec::fileMissing:
        if (const auto replacement = questions.ChooseReplacement(record))
            return doc.RenewRecord(record, *replacement);
        return false;
    case COvalbumRec::fileUnchanged:
        break;
    }
    return false;
}

namespace {

// A record the user wanted renewed but that could not be (the file does not
// read, or no other file was chosen) is left alone from now on rather than
// asked about after every pause.
void Refresh(COvalbumDoc& doc, COvalbumRec& record, AlbumFileQuestions& questions)
{
    if (!RefreshAlbumRecord(doc, record, questions))
        record.ignored = 1;
}

} // namespace

void CheckAlbumFiles(COvalbumDoc& doc, AlbumFileQuestions& questions)
{
    doc.updateAll = 0;
    // The records as they stand now: a question may take long, and only
    // records still in the album are asked about or removed.
    std::vector<COvalbumRec*> records;
    for (const auto& r : doc.GetRecords())
        records.push_back(r.get());
    std::vector<const COvalbumRec*> deleted;
    for (COvalbumRec* record : records) {
        if (doc.IndexOf(record) < 0 || record->ignored)
            continue;
        const COvalbumRec::FileState state = record->GetFileState();
        if (state == COvalbumRec::fileMissing) {
            switch (questions.AskMissing(*record)) {
            case AlbumFileQuestions::Missing::Associate: Refresh(doc, *record, questions); break;
            case AlbumFileQuestions::Missing::Delete: deleted.push_back(record); break;
            case AlbumFileQuestions::Missing::Ignore: record->ignored = 1; break;
            }
        } else if (state == COvalbumRec::fileChanged) {
            if (doc.updateAll) {
                Refresh(doc, *record, questions);
                continue;
            }
            switch (questions.AskChanged(*record)) {
            case AlbumFileQuestions::Changed::Yes: Refresh(doc, *record, questions); break;
            case AlbumFileQuestions::Changed::No: record->ignored = 1; break;
            case AlbumFileQuestions::Changed::YesToAll:
                Refresh(doc, *record, questions);
                doc.updateAll = 1;
                break;
            }
        }
    }
    doc.RemoveRecords(deleted);
    doc.updateAll = 0;
}
