// The load/save cache: one bound object per class and descriptor, loads and
// saves with their notifications, and the collector dropping bound objects.
#include "lang/LangRcStr.h"
#include "lang/LsmDataObj.h"
#include "lang/LsmExcept.h"
#include "lang/LsmStream.h"
#include "lang/testsupport/MemLsmDsc.h"

#include "base/QnLittleEndian.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A data object stored as one little-endian 32-bit number.
class NumberData : public QnLsmDataObj {
public:
    NumberData() : QnLsmDataObj(0) {}
    int32_t value = 0;
    int lossy = 0;          // what SaveData answers
    bool failSave = false;
    static inline int loads = 0;
    static inline bool failLoad = false;

protected:
    void LoadData(const PpQnLsmDsc& dsc, QnProcessControl*) override
    {
        ++loads;
        QnLsmStream stream(dsc, QnLsmDsc::DH_READ);
        uint8_t bytes[4];
        if (stream->Read(bytes, 4) != 4 || failLoad)
            throw std::runtime_error("truncated number");
        value = int32_t(QnGetLE32(bytes));
    }
    int SaveData(const PpQnLsmDsc& dsc, QnProcessControl*) const override
    {
        QnLsmStream stream(dsc, QnLsmDsc::DH_CREATE);
        uint8_t bytes[4];
        QnPutLE32(bytes, uint32_t(value));
        stream->Write(bytes, 4);
        if (failSave)
            throw std::runtime_error("disk full");
        return lossy;
    }
};

// A second class over the same bytes.
class OtherData : public NumberData {};

const QnLsmDataObjFactory<NumberData> numberFactory;
const QnLsmDataObjFactory<OtherData> otherFactory;

std::vector<uint8_t> Bytes(int32_t v)
{
    std::vector<uint8_t> b(4);
    QnPutLE32(b.data(), uint32_t(v));
    return b;
}

class LsmTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NumberData::loads = 0;
        NumberData::failLoad = false;
        dsc = QnMemLsmDsc::Make("pic.dib");
        dsc->SetBytes(Bytes(42));
    }
    PpQnLsmDataObj Request(const std::type_info& type = typeid(NumberData))
    {
        return PpQnLsmDataObj(type, PpQnLsmDsc(dsc), nullptr);
    }
    static int32_t ValueOf(const PpQnLsmDataObj& obj) { return static_cast<NumberData*>(obj.Get())->value; }
    static QnPp<NumberData> MakeNumber(int32_t v)
    {
        QnPp<NumberData> n = QnCreate<NumberData>();
        n->value = v;
        return n;
    }
    int Save(const QnPp<NumberData>& obj) { return obj->Save(PpQnLsmDsc(dsc), nullptr); }

    PpQnMemLsmDsc dsc;
};

template <class F>
std::string LsmMessage(F f)
{
    try {
        f();
    } catch (const QnLsmExcept& e) {
        return e.what();
    }
    return "(nothing raised)";
}

} // namespace

TEST_F(LsmTest, TwoRequestsForOneClassGiveOneObjectReadOnce)
{
    PpQnLsmDataObj a = Request();
    PpQnLsmDataObj b = Request();
    EXPECT_EQ(a.Get(), b.Get());
    EXPECT_EQ(ValueOf(a), 42);
    EXPECT_EQ(NumberData::loads, 1);
    EXPECT_EQ(dsc->events, (std::vector<std::string>{"BeginLoad 0", "Open 0", "EndLoad 0", "BeginLoad 1", "EndLoad 0"}));
    EXPECT_TRUE(dsc->IsAssociated());
}

TEST_F(LsmTest, TwoClassesGiveTwoBoundObjects)
{
    PpQnLsmDataObj a = Request(typeid(NumberData));
    PpQnLsmDataObj b = Request(typeid(OtherData));
    EXPECT_NE(a.Get(), b.Get());
    EXPECT_EQ(typeid(*b.Get()), typeid(OtherData));
    EXPECT_EQ(dsc->FindBound(typeid(NumberData)).Get(), a.Get());
    EXPECT_EQ(dsc->FindBound(typeid(OtherData)).Get(), b.Get());
}

TEST_F(LsmTest, OrdinaryCollectionKeepsTheBoundObjectAsACache)
{
    QnLsmDataObj* first = Request().Get();
    QnObj::CollectGarbage(QnObj::DF_FIX, -1);
    EXPECT_EQ(Request().Get(), first);
    EXPECT_EQ(NumberData::loads, 1);
}

TEST_F(LsmTest, DroppedObjectIsReloadedOnTheNextRequest)
{
    Request();
    int32_t dropped = 0;
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1, nullptr, &dropped);
    EXPECT_EQ(dropped, 1);
    EXPECT_FALSE(dsc->FindBound(typeid(NumberData)));

    dsc->SetBytes(Bytes(7));
    PpQnLsmDataObj again = Request();
    EXPECT_EQ(NumberData::loads, 2);
    EXPECT_EQ(ValueOf(again), 7);
    EXPECT_EQ(dsc->FindBound(typeid(NumberData)).Get(), again.Get());
}

TEST_F(LsmTest, HeldObjectStaysBoundThroughACacheDrop)
{
    PpQnLsmDataObj held = Request();
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    EXPECT_EQ(Request().Get(), held.Get());
    EXPECT_EQ(NumberData::loads, 1);
}

TEST_F(LsmTest, FailingLoadBindsNothing)
{
    NumberData::failLoad = true;
    EXPECT_THROW(Request(), std::runtime_error);
    EXPECT_EQ(dsc->events.back(), "EndLoad 1");
    EXPECT_FALSE(dsc->FindBound(typeid(NumberData)));
    EXPECT_FALSE(dsc->IsAssociated());

    // Missing storage: the stream's own error passes on the same way.
    PpQnMemLsmDsc missing = QnMemLsmDsc::Make("gone.dib");
    EXPECT_THROW(PpQnLsmDataObj(typeid(NumberData), PpQnLsmDsc(missing), nullptr), QnExcept);
    EXPECT_EQ(missing->events.back(), "EndLoad 1");

    NumberData::failLoad = false;
    EXPECT_EQ(ValueOf(Request()), 42);
}

TEST_F(LsmTest, UnknownClassRaisesAndLeavesTheDescriptorAlone)
{
    class Unregistered : public NumberData {};
    EXPECT_THROW(Request(typeid(Unregistered)), QnTypeIdExcept);
    EXPECT_TRUE(dsc->events.empty());
    EXPECT_FALSE(dsc->IsAssociated());
}

TEST_F(LsmTest, NullDescriptorRaisesMessage1024)
{
    const std::string text = "Bad descriptor to load/save data";
    EXPECT_EQ(LsmMessage([] { PpQnLsmDataObj(typeid(NumberData), PpQnLsmDsc(), nullptr); }), text);
    QnPp<NumberData> n = MakeNumber(1);
    EXPECT_EQ(LsmMessage([&] { n->Save(PpQnLsmDsc(), nullptr); }), text);
}

TEST_F(LsmTest, ExactSaveBindsAndASecondSaveWritesNothing)
{
    PpQnMemLsmDsc fresh = QnMemLsmDsc::Make("new.dib");
    dsc = fresh;
    QnPp<NumberData> n = MakeNumber(99);
    EXPECT_EQ(Save(n), 0);
    EXPECT_EQ(dsc->Bytes(), Bytes(99));
    EXPECT_TRUE(dsc->IsAssociated());
    EXPECT_EQ(dsc->FindBound(typeid(NumberData)).Get(), n.Get());

    EXPECT_EQ(Save(n), 0);
    EXPECT_EQ(dsc->opens, 1);
    EXPECT_EQ(dsc->events, (std::vector<std::string>{"BeginSave 0", "Open 1", "EndSave 0 0", "BeginSave 1", "EndSave 0 0"}));

    // A request now gives the saved object without reading.
    EXPECT_EQ(Request().Get(), n.Get());
    EXPECT_EQ(NumberData::loads, 0);
}

TEST_F(LsmTest, LossySaveLeavesTheDescriptorFreeAndWritesAgain)
{
    QnPp<NumberData> n = MakeNumber(5);
    n->lossy = 3;
    EXPECT_EQ(Save(n), 3);
    EXPECT_EQ(dsc->events, (std::vector<std::string>{"BeginSave 0", "Open 1", "EndSave 0 3"}));
    EXPECT_FALSE(dsc->IsAssociated());
    EXPECT_FALSE(dsc->FindBound(typeid(NumberData)));

    n->value = 6;
    EXPECT_EQ(Save(n), 3);
    EXPECT_EQ(dsc->opens, 2);
    EXPECT_EQ(dsc->Bytes(), Bytes(6));
}

TEST_F(LsmTest, SaveOfAnotherObjectToAnAssociatedDescriptorIsRefused)
{
    PpQnLsmDataObj loaded = Request();
    QnPp<NumberData> other = MakeNumber(1);
    EXPECT_EQ(LsmMessage([&] { Save(other); }), "Can't write data to descriptor associated with any data");
    EXPECT_EQ(dsc->Bytes(), Bytes(42)); // nothing written
}

TEST_F(LsmTest, SaveAfterTheBoundObjectWasDroppedIsRefused)
{
    {
        QnPp<NumberData> first = MakeNumber(1);
        ASSERT_EQ(Save(first), 0);
    }
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    EXPECT_FALSE(dsc->FindBound(typeid(NumberData)));
    QnPp<NumberData> second = MakeNumber(2);
    EXPECT_EQ(LsmMessage([&] { Save(second); }), "Can't write data to descriptor associated with any data");
    // The stored data is still there to be loaded.
    EXPECT_EQ(ValueOf(Request()), 1);
}

TEST_F(LsmTest, FailingSaveBindsNothing)
{
    PpQnMemLsmDsc fresh = QnMemLsmDsc::Make("new.dib");
    dsc = fresh;
    QnPp<NumberData> n = MakeNumber(8);
    n->failSave = true;
    EXPECT_THROW(Save(n), std::runtime_error);
    EXPECT_EQ(dsc->events.back(), "EndSave 1 0");
    EXPECT_FALSE(dsc->IsAssociated());
    EXPECT_FALSE(dsc->FindBound(typeid(NumberData)));
}

namespace {

// A descriptor whose end of a save fails, as a commit after the write can.
class FailingCommitDsc : public QnMemLsmDsc {
public:
    void EndSave(int error, int lossy) override
    {
        QnMemLsmDsc::EndSave(error, lossy);
        QnExcept e("commit failed", "LsmTest", __LINE__);
        e.raise();
    }

protected:
    friend struct ::QnObjCreator;
    FailingCommitDsc() : QnMemLsmDsc("commit.dib", 0) {}
};

} // namespace

TEST_F(LsmTest, FailedEndOfASaveReachesTheSaverAndBindsNothing)
{
    QnPp<FailingCommitDsc> failing = QnCreate<FailingCommitDsc>();
    dsc = failing;
    QnPp<NumberData> n = MakeNumber(8);
    try {
        Save(n);
        ADD_FAILURE() << "the failed commit was taken for a save";
    } catch (const QnExcept& e) {
        EXPECT_STREQ(e.what(), "commit failed");
    }
    EXPECT_FALSE(dsc->IsAssociated());
    EXPECT_FALSE(dsc->FindBound(typeid(NumberData)));

    // While the save's own error unwinds, that error is the one that arrives.
    n->failSave = true;
    EXPECT_THROW(Save(n), std::runtime_error);
    EXPECT_EQ(dsc->events.back(), "EndSave 1 0");
}

TEST_F(LsmTest, UnreachedDescriptorGoesWithItsBoundObject)
{
    Request();
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    const int32_t before = QnObj::GetTotalNumberOfObjects();
    Request();
    dsc.Reset();
    EXPECT_EQ(QnObj::CollectGarbage(QnObj::DF_FIX, -1), 2);
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), before - 1);
}

TEST(LsmStream, HoldsAndDuplicatesItsHandle)
{
    QnLsmStream none(QnLsmDsc::DH_READ);
    EXPECT_EQ(none.Get(), nullptr);
    QnLsmStream copyOfNone(none);
    EXPECT_EQ(copyOfNone.Get(), nullptr);

    PpQnMemLsmDsc dsc = QnMemLsmDsc::Make("a");
    dsc->SetBytes({1, 2, 3, 4});
    QnLsmStream s(PpQnLsmDsc(dsc), QnLsmDsc::DH_READ);
    uint8_t b[2];
    EXPECT_EQ(s->Read(b, 2), 2u);
    QnLsmStream dup(s);
    EXPECT_NE(dup.Get(), s.Get());
    EXPECT_EQ(dup->Tell(), 2u);
    EXPECT_EQ(dup->Read(b, 4), 2u);
    EXPECT_EQ(b[1], 4);
    EXPECT_EQ(dup->SeekToEnd(), 4u);
    EXPECT_EQ(dup->SeekToBegin(), 0u);

    none = PpQnLsmDsc(dsc); // opens in its own mode
    EXPECT_NE(none.Get(), nullptr);
    EXPECT_EQ(dsc->events.back(), "Open 0");
    none = copyOfNone;      // releases, takes the empty one
    EXPECT_EQ(none.Get(), nullptr);
}
