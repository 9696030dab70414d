#include "drawctx/qt/ZvLoadDialog.h"
#include "framework/ControlId.h"
#include "platform/ResourceSectionWriter.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

class SmallDialog : public ZvTemplateDialog {
public:
    SmallDialog() : ZvTemplateDialog(nullptr) {}

protected:
    void CreateControls() override
    {
        auto* layout = new QVBoxLayout(this);
        auto* label = new QLabel("?", this);
        fw::SetControlId(label, 1101);
        layout->addWidget(label);
        layout->addWidget(AddButton(1, "?"));
        layout->addWidget(AddButton(2, "?"));
    }
};

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

struct Seen {
    QString caption, label, ok;
};

} // namespace

TEST(LoadDialog, TextsFollowTheLanguageWithFallback)
{
    using platform::ResourceType::Dialog;
    platform::ResourceSectionWriter w;
    w.Add(Dialog, "MONGAMMA", Bytes("0 Calibrate colors\n1101 &Red\n1 OK\n2 Cancel\n"));
    w.Add(platform::LangResources::TaggedType(Dialog, 0x0407), "MONGAMMA",
          Bytes("0 Farben abgleichen\n1101 &Rot\n1 OK\n2 Abbrechen\n"));
    const std::vector<uint8_t> bytes = w.Bytes();
    const auto table = platform::ResourceTable::FromBytes(bytes);

    Seen seen;
    int runs = 0;
    const fw::DialogHook old = fw::SetDialogHook([&](fw::Dialog& d) {
        ++runs;
        seen.caption = d.windowTitle();
        seen.label = static_cast<QLabel*>(d.GetDlgItem(1101))->text();
        seen.ok = static_cast<QPushButton*>(d.GetDlgItem(2))->text();
        d.PressButton(1);
    });
    {
        SmallDialog dlg;
        EXPECT_EQ(ZvLoadDialog("MONGAMMA", dlg, platform::LangResources(table, 0x0407)), 1);
        EXPECT_EQ(seen.caption, "Farben abgleichen");
        EXPECT_EQ(seen.label, "&Rot");
        EXPECT_EQ(seen.ok, "Abbrechen");
    }
    {
        // French has no template of its own: the ordinary one.
        SmallDialog dlg;
        EXPECT_EQ(ZvLoadDialog("mongamma", dlg, platform::LangResources(table, 0x040C)), 1);
        EXPECT_EQ(seen.caption, "Calibrate colors");
        EXPECT_EQ(seen.label, "&Red");
    }
    {
        SmallDialog dlg;
        EXPECT_EQ(ZvLoadDialog("COLOROPT", dlg, platform::LangResources(table, 0x0407)), -1);
        EXPECT_EQ(runs, 2);
    }
    fw::SetDialogHook(old);
}
