// The check of an album against its files after they were touched,
// replaced and removed: what is asked, what is renewed, and that a record
// is removed only when the user says so.
#include <gtest/gtest.h>

#include <QFile>
#include <deque>

#include "AlbumPictures.h"
#include "AlbumTestSupport.h"
#include "album/doc/AlbumFileCheck.h"

namespace albumtest {
namespace {

// Answers from a script and notes what was asked ("missing x", "changed x",
// "choose x" with x the file name).
struct ScriptedQuestions : AlbumFileQuestions {
    Missing AskMissing(const COvalbumRec& r) override
    {
        asked.push_back("missing " + Name(r));
        return Pop(missing, Missing::Ignore);
    }
    Changed AskChanged(const COvalbumRec& r) override
    {
        asked.push_back("changed " + Name(r));
        return Pop(changed, Changed::No);
    }
    std::optional<std::string> ChooseReplacement(const COvalbumRec& r) override
    {
        asked.push_back("choose " + Name(r));
        return Pop(replacements, std::optional<std::string>());
    }
    static std::string Name(const COvalbumRec& r) { return r.path.substr(r.path.rfind('/') + 1); }
    template <class T>
    static T Pop(std::deque<T>& q, T otherwise)
    {
        if (q.empty())
            return otherwise;
        T t = q.front();
        q.pop_front();
        return t;
    }
    std::deque<Missing> missing;
    std::deque<Changed> changed;
    std::deque<std::optional<std::string>> replacements;
    std::vector<std::string> asked;
};

class AlbumFileCheck : public AlbumFixture {
protected:
    void SetUp() override
    {
        AlbumFixture::SetUp();
        for (const char* name : {"a.png", "b.png", "c.png", "d.png"}) {
            WritePictureFile(PathOf(name), 20, 20);
            SetModificationTime(PathOf(name), 1000000000);
        }
        ASSERT_EQ(doc.AddPictureFiles({PathOf("a.png"), PathOf("b.png"), PathOf("c.png"), PathOf("d.png")}), 4);
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& r : doc.GetRecords())
            names.push_back(ScriptedQuestions::Name(*r));
        return names;
    }
    // The thumbnail's first pixel (blue, green, red) of record i.
    std::array<uint8_t, 3> FirstPixel(size_t i) const
    {
        const auto& t = doc.GetRecords()[i]->thumbnail;
        return {t[40], t[41], t[42]};
    }

    COvalbumDoc doc;
    ScriptedQuestions questions;
};

TEST_F(AlbumFileCheck, AnUntouchedAlbumAsksNothing)
{
    CheckAlbumFiles(doc, questions);
    EXPECT_TRUE(questions.asked.empty());
    EXPECT_EQ(Names().size(), 4u);
}

TEST_F(AlbumFileCheck, TouchedAndReplacedFilesAreRenewedOnYes)
{
    SetModificationTime(PathOf("a.png"), 1000000100);              // touched
    WritePictureFile(PathOf("c.png"), 20, 20, 255, 0, 0);            // replaced by a blue one
    questions.changed = {AlbumFileQuestions::Changed::Yes, AlbumFileQuestions::Changed::Yes};
    CheckAlbumFiles(doc, questions);
    EXPECT_EQ(questions.asked, (std::vector<std::string>{"changed a.png", "changed c.png"}));
    EXPECT_EQ(doc.GetRecords()[0]->modificationTime, 1000000100);
    EXPECT_EQ(FirstPixel(2), (std::array<uint8_t, 3>{255, 0, 0}));
    for (const auto& r : doc.GetRecords())
        EXPECT_EQ(r->GetFileState(), COvalbumRec::fileUnchanged);
    // Renewed now: the next pass asks nothing.
    questions.asked.clear();
    CheckAlbumFiles(doc, questions);
    EXPECT_TRUE(questions.asked.empty());
}

TEST_F(AlbumFileCheck, YesToAllRenewsTheRestWithoutAsking)
{
    for (const char* name : {"a.png", "b.png", "d.png"})
        SetModificationTime(PathOf(name), 1000000100);
    questions.changed = {AlbumFileQuestions::Changed::No, AlbumFileQuestions::Changed::YesToAll};
    CheckAlbumFiles(doc, questions);
    EXPECT_EQ(questions.asked, (std::vector<std::string>{"changed a.png", "changed b.png"}));
    EXPECT_EQ(doc.GetRecords()[0]->GetFileState(), COvalbumRec::fileChanged);  // "No": left as it is
    EXPECT_TRUE(doc.GetRecords()[0]->ignored);
    EXPECT_EQ(doc.GetRecords()[3]->GetFileState(), COvalbumRec::fileUnchanged);
    EXPECT_EQ(doc.updateAll, 0);
    // Ignored records are not asked about again.
    questions.asked.clear();
    CheckAlbumFiles(doc, questions);
    EXPECT_TRUE(questions.asked.empty());
}

TEST_F(AlbumFileCheck, RemovedFilesStayUntilTheUserDeletesThem)
{
    for (const char* name : {"a.png", "b.png", "c.png"})
        ASSERT_TRUE(QFile::remove(QString::fromStdString(PathOf(name))));
    WritePictureFile(PathOf("elsewhere.png"), 30, 10, 0, 255, 0);
    questions.missing = {AlbumFileQuestions::Missing::Ignore, AlbumFileQuestions::Missing::Associate,
                         AlbumFileQuestions::Missing::Delete};
    questions.replacements = {PathOf("elsewhere.png")};
    const AlbumValue before = ValueOf(doc);
    CheckAlbumFiles(doc, questions);
    EXPECT_EQ(questions.asked,
              (std::vector<std::string>{"missing a.png", "missing b.png", "choose b.png", "missing c.png"}));
    // a ignored and kept, b now points at the other file, c deleted.
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.png", "elsewhere.png", "d.png"}));
    EXPECT_EQ(doc.GetRecords()[0]->GetFileState(), COvalbumRec::fileMissing);
    EXPECT_EQ(FirstPixel(1), (std::array<uint8_t, 3>{0, 255, 0}));
    // The removal is one step of undo.
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.png", "elsewhere.png", "c.png", "d.png"}));
    EXPECT_NE(ValueOf(doc), before);

    // An associate that chooses nothing keeps the record, and it is not
    // asked about after every pause.
    questions.asked.clear();
    questions.missing = {AlbumFileQuestions::Missing::Ignore, AlbumFileQuestions::Missing::Associate};
    CheckAlbumFiles(doc, questions);
    EXPECT_EQ(Names().size(), 4u);
    questions.asked.clear();
    CheckAlbumFiles(doc, questions);
    EXPECT_TRUE(questions.asked.empty());
}

} // namespace
} // namespace albumtest
