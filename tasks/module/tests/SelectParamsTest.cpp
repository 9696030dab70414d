// The editor's selection record as the selection tool receives it.
#include <gtest/gtest.h>

#include <memory>

#include "editor/loadable/SelectParams.h"

TEST(SelectParams, NewRecordHoldsTheEditorsStartingSelection)
{
    const CSelectParams p;
    EXPECT_EQ(p.mode, 0);
    EXPECT_EQ(p.combine, 0);
    EXPECT_EQ(p.editorState, -1);
    EXPECT_EQ(p.square, 0);
    EXPECT_EQ(p.fixedSize, 0);
    EXPECT_EQ(p.width, 100);
    EXPECT_EQ(p.height, 100);
    EXPECT_EQ(p.tolerance, 16);
}

TEST(SelectParams, CreatableByItsRecordButNotSerialisable)
{
    const fw::RuntimeClass* record = FW_RUNTIME_CLASS(CSelectParams);
    EXPECT_STREQ(record->className, "CSelectParams");
    EXPECT_STREQ(record->GetBaseClass()->className, "CObject");
    EXPECT_FALSE(record->IsSerializable());
    std::unique_ptr<fw::Object> object(record->CreateObject());
    auto* p = dynamic_cast<CSelectParams*>(object.get());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->editorState, -1);
    EXPECT_EQ(p->tolerance, 16);
}
