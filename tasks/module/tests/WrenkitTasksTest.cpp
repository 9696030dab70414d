// The five tasks as the editor sees them: the real module loaded by name
// from the settings, its classes filed by short name and made by name, with
// their strings and pictures read from the module and their tool lists from
// the settings.
#include "editor/registry/tests/RegistryFixture.h"

#include <QLabel>

#include "base/QnLittleEndian.h"
#include "editor/loadable/LdExports.h"
#include "editor/loadable/LdModule.h"
#include "editor/loadable/LdTask.h"
#include "platform/Module.h"

using Names = std::vector<std::string>;

namespace {

// The module sits in the editor's folder; a relative name is taken from the
// folder of the program (here the test's, beside that folder).
const char kWrenkitSettings[] = "[Tasks]\nlibs=1\nlib0=../bin/Wrenkit.so\n";

struct TaskRow {
    const char* className;
    const char* name;
    const char* caption;
    const char* tip;
    const char* comment;
    int32_t bitmapId;
    int helpId;
};

// In the order of TaskInit, which is the order of the bar.
const TaskRow kTasks[] = {
    {"CTask_Start", "Start", "Start", "Start the work", "Start", 129, 11},
    {"CTask_Easy", "Easy", "Easy Task", "Automatic image guide", "Comment Easy", 137, 10},
    {"CTask_Retouch", "Retouch", "Retouch", "Enchance the image", "Retouch", 139, 12},
    {"CTask_Artwork", "Artwork", "Artwork", "Add art effects to image", "Artwork", 136, 13},
    {"CTask_Finish", "Finish", "Finish", "Finish your working", "Finish", 138, 14},
};

}  // namespace

using WrenkitTasks = RegistryFixture;

TEST_F(WrenkitTasks, TaskInitGivesTheFiveTasksInTheBarsOrder)
{
    CLdRegistry& registry = Load(kWrenkitSettings);
    EXPECT_TRUE(registry.Problems().empty()) << registry.Problems().front();
    EXPECT_EQ(registry.ShortNames(), (Names{"Artwork", "Easy", "Finish", "Retouch", "Start"}));

    platform::Module wrenkit;
    ASSERT_TRUE(wrenkit.Load(WRENKIT_PATH)) << wrenkit.Error();
    auto* count = wrenkit.Entry<LdCountProc>(kLdCountTasks);
    auto* init = wrenkit.Entry<LdInitProc>(kLdTaskInit);
    ASSERT_TRUE(count && init);
    ASSERT_EQ(count(), int32_t(std::size(kTasks)));
    for (uint32_t i = 0; i < std::size(kTasks); ++i) {
        const TaskRow& row = kTasks[i];
        SCOPED_TRACE(row.className);
        const fw::RuntimeClass* record = init(i);
        ASSERT_NE(record, nullptr);
        EXPECT_STREQ(record->className, row.className);
        // A plain task: its base is the shared CLdTask, its object no larger.
        EXPECT_EQ(record->GetBaseClass(), FW_RUNTIME_CLASS(CLdTask));
        EXPECT_EQ(record->objectSize, FW_RUNTIME_CLASS(CLdTask)->objectSize);
        EXPECT_EQ(record->schema, fw::RuntimeClass::kNoSchema);
        // Filed under its short name, not its class name.
        const CLoadableRTI* filed = registry.Find(row.name);
        ASSERT_NE(filed, nullptr);
        EXPECT_STREQ(filed->classRecord.className, row.className);
        EXPECT_FALSE(registry.IsToolName(row.name));
    }
}

TEST_F(WrenkitTasks, EachTaskShowsItsStringsPictureAndAnswers)
{
    CLdRegistry& registry = Load(kWrenkitSettings);
    QLabel comments(QStringLiteral("before"));
    for (const TaskRow& row : kTasks) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<CLdLoadable> task = registry.CreateLoadable(row.name);
        ASSERT_NE(task, nullptr);
        EXPECT_EQ(task->GetName(), row.name);
        EXPECT_EQ(task->GetTitle(), row.caption);
        EXPECT_EQ(task->GetToolTip(), row.tip);
        EXPECT_EQ(task->GetComment(), row.comment);
        EXPECT_EQ(task->GetBitmapId(), row.bitmapId);
        EXPECT_EQ(task->GetHelpId(), row.helpId);
        task->ShowComment(&comments);
        EXPECT_EQ(comments.text().toStdString(), row.comment);

        // The button picture: a packed 32 x 32 24-bit DIB.
        const std::vector<uint8_t> bitmap = task->LoadButtonBitmap();
        ASSERT_EQ(bitmap.size(), 40u + 32 * 32 * 3);
        EXPECT_EQ(QnGetLE32(bitmap.data()), 40u);
        EXPECT_EQ(QnGetLE32(bitmap.data() + 4), 32u);
        EXPECT_EQ(QnGetLE32(bitmap.data() + 8), 32u);
        EXPECT_EQ(QnGetLE16(bitmap.data() + 14), 24u);

        // Choosing a task shows its tools as a row of buttons, whatever the
        // picture and with none open.
        EXPECT_EQ(task->Execute(), 1);
        EXPECT_EQ(task->IsGuided(), 0);
        EXPECT_EQ(task->AcceptsAnyPicture(), 1);
        EXPECT_EQ(task->WantsPicture(), 0);
        EXPECT_EQ(task->NeedsDocument(), 0);
        task->SetPicture(nullptr, 0);
        task->SetParams(nullptr);
        EXPECT_EQ(task->Execute(), 1);
    }
}

TEST_F(WrenkitTasks, EachTaskOffersTheToolsOfItsSettingsSection)
{
    CLdRegistry& registry = Load(std::string(kWrenkitSettings) +
                                 "[Start]\ntools=4\ntool0=Open\ntool1=OpenFA\ntool2=Scan\ntool3=New\n"
                                 "[Easy]\ntools=1\ntool0=SmartTune\n"
                                 // No key for index 1: an empty name in its place.
                                 "[Retouch]\ntools=3\ntool0=Bright\ntool2=Focus\n"
                                 // A count of 0 lists nothing, whatever keys follow.
                                 "[Finish]\ntools=0\ntool0=Save\n");
    const struct {
        const char* task;
        Names tools;
    } cases[] = {
        {"Start", {"Open", "OpenFA", "Scan", "New"}},
        {"Easy", {"SmartTune"}},
        {"Retouch", {"Bright", "", "Focus"}},
        {"Artwork", {}},  // no section at all
        {"Finish", {}},
    };
    for (const auto& c : cases) {
        std::unique_ptr<CLdLoadable> task = registry.CreateLoadable(c.task);
        ASSERT_NE(task, nullptr) << c.task;
        EXPECT_EQ(task->GetToolNames(), c.tools) << c.task;
        // A task without tools still opens on the bar.
        EXPECT_EQ(task->Execute(), 1) << c.task;
    }
}
