#include "drawctx/qt/ZvColorOptDlg.h"
#include "drawctx/qt/ZvGammaDlg.h"
#include "drawctx/qt/ZvWaTmbWnd.h"
#include "drawctx/qt/ZvWindowClass.h"
#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/HelpProvider.h"
#include "framework/HelpTopics.h"
#include "framework/tests/EveryTopicHasAPage.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFileInfo>
#include <QTest>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

struct Client {
    int changed = 0, previews = 0, helped = 0;
};
Client* C(intptr_t u) { return reinterpret_cast<Client*>(u); }
void Changed(intptr_t u) { ++C(u)->changed; }
void Previewed(intptr_t u) { ++C(u)->previews; }
void Helped(intptr_t u) { ++C(u)->helped; }
int IsFast(intptr_t, int waType, const ZV_CDOPT& o) { return IsFastDrawAllowed(waType, o); }
int IsAvailable(intptr_t, int waType, const ZV_CDOPT& o, int& s) { return IsOptionAvailable(waType, o, s); }

// Runs the dialogs with hook and puts the old hook back.
struct HookScope {
    explicit HookScope(fw::DialogHook hook) : old(fw::SetDialogHook(std::move(hook))) {}
    ~HookScope() { fw::SetDialogHook(old); }
    fw::DialogHook old;
};

template <class W> W* Item(fw::Dialog& d, uint32_t id) { return dynamic_cast<W*>(d.GetDlgItem(id)); }

} // namespace

TEST(GammaDlg, OkKeepsTheEditedValuesCancelPutsThemBack)
{
    Client c;
    const intptr_t user = reinterpret_cast<intptr_t>(&c);
    ZV_MG gamma(100, 100, 100);
    bool checked = false;
    {
        HookScope hook([&](fw::Dialog& d) {
            EXPECT_TRUE(ZvIsWaTmbClassRegistered());
            EXPECT_EQ(d.windowTitle(), "Calibrate colors");
            auto* picture = Item<ZvWaTmbWnd>(d, 109);
            ASSERT_NE(picture, nullptr);
            EXPECT_EQ(picture->size(), QSize(131, 99)); // the test picture + 3
            ASSERT_NE(picture->State().Context(), nullptr);
            EXPECT_FALSE(Item<QPushButton>(d, 107)->isVisibleTo(&d)); // no help callback

            Item<QScrollBar>(d, 101)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            EXPECT_EQ(gamma.red, 101);
            EXPECT_EQ(Item<QLineEdit>(d, 104)->text(), "1.01");
            auto* green = Item<QLineEdit>(d, 105);
            green->setText("0.29");
            Q_EMIT green->editingFinished();
            EXPECT_EQ(gamma.green, 29);
            EXPECT_EQ(Item<QScrollBar>(d, 102)->value(), 29);
            ZV_MG shown;
            picture->State().Context()->GetMonitorGamma(shown);
            EXPECT_EQ(shown, ZV_MG(101, 29, 100));
            EXPECT_EQ(c.previews, 2);
            d.grab().save("/tmp/Zvblt35-gamma.png");
            checked = true;
            d.PressButton(1);
        });
        EXPECT_EQ(SelectGamma(nullptr, gamma, Previewed, nullptr, user), 1);
    }
    EXPECT_TRUE(checked);
    EXPECT_EQ(gamma, ZV_MG(101, 29, 100));
    EXPECT_FALSE(ZvIsWaTmbClassRegistered());

    {
        HookScope hook([&](fw::Dialog& d) {
            EXPECT_TRUE(Item<QPushButton>(d, 107)->isVisibleTo(&d));
            d.PressButton(107);
            Item<QScrollBar>(d, 103)->triggerAction(QAbstractSlider::SliderPageStepSub);
            EXPECT_EQ(gamma.blue, 90);
            d.PressButton(2);
        });
        EXPECT_EQ(SelectGamma(nullptr, gamma, Previewed, Helped, user), 0);
    }
    EXPECT_EQ(c.helped, 1);
    EXPECT_EQ(gamma, ZV_MG(101, 29, 100));

    // Closed without a button: nothing changes either.
    {
        HookScope hook([&](fw::Dialog& d) {
            Item<QScrollBar>(d, 101)->triggerAction(QAbstractSlider::SliderToMinimum);
            EXPECT_EQ(gamma.red, 25);
        });
        EXPECT_EQ(SelectGamma(nullptr, gamma, nullptr, nullptr, 0), 0);
    }
    EXPECT_EQ(gamma, ZV_MG(101, 29, 100));
}

TEST(ColorOptDlg, ApplyOkAndCancel)
{
    Client c;
    const intptr_t user = reinterpret_cast<intptr_t>(&c);
    const ZV_CDOPTFV incoming(1, 0, 16777216, 1, 1);
    ZV_CDOPTFV options = incoming;
    {
        HookScope hook([&](fw::Dialog& d) {
            EXPECT_EQ(d.windowTitle(), "Color/dither options");
            EXPECT_FALSE(Item<QPushButton>(d, 108)->isVisibleTo(&d));
            auto* depth = Item<QComboBox>(d, 101);
            EXPECT_EQ(depth->currentText(), "16.7M truecolor");
            EXPECT_EQ(Item<QComboBox>(d, 103)->count(), 21);
            EXPECT_FALSE(Item<QLineEdit>(d, 105)->isEnabled());
            EXPECT_EQ(Item<QLabel>(d, 1005)->text().toStdString(),
                      "This color/dithering option is supported by current video adapter.");
            d.grab().save("/tmp/Zvblt35-coloropt.png");

            depth->setCurrentIndex(depth->findText("Optimized palette"));
            EXPECT_TRUE(Item<QLineEdit>(d, 105)->isEnabled());
            EXPECT_EQ(options.flags & ZV_KIND_MASK, 7u);
            // Slow on a true-colour display: fast view is offered.
            EXPECT_TRUE(Item<QCheckBox>(d, 106)->isEnabled());
            EXPECT_EQ(Item<QLabel>(d, 1005)->text().toStdString(), ZvLibraryLangResources().String(573));
            auto* colors = Item<QLineEdit>(d, 105);
            colors->setText("999");
            Q_EMIT colors->editingFinished();
            EXPECT_EQ(colors->text(), "256");
            colors->setText("64");
            Q_EMIT colors->editingFinished();
            EXPECT_EQ(options.colors, 64u);
            d.PressButton(107);
            EXPECT_EQ(c.changed, 1);
            d.grab().save("/tmp/Zvblt35-coloropt-optimized.png");
            d.PressButton(2);
        });
        SelectColorDitherOptions(nullptr, WA_TYPE_RGB, options, IsFast, IsAvailable, Changed, nullptr, user);
    }
    EXPECT_EQ(options, incoming);
    EXPECT_EQ(c.changed, 2);

    {
        HookScope hook([&](fw::Dialog& d) {
            auto* dither = Item<QComboBox>(d, 103);
            dither->setCurrentIndex(dither->findText("Bayer"));
            d.PressButton(1);
        });
        SelectColorDitherOptions(nullptr, WA_TYPE_RGB, options, IsFast, IsAvailable, Changed, Helped, user);
    }
    EXPECT_EQ(options, ZV_CDOPTFV(1, 0, 16777216, 2 * 8 | 1, 1));
    EXPECT_EQ(c.changed, 3);
}

TEST(LibraryDialogs, EveryControlTopicHasAPageAndF1PopsItUp)
{
    std::set<uint32_t> topics{0};
    std::vector<fw::HelpRequest> shown;
    fw::HelpProvider::Instance().SetBackend([&](const fw::HelpRequest& r) { shown.push_back(r); });
    {
        HookScope hook([&](fw::Dialog& d) {
            const std::set<uint32_t> own = fw::HelpTopicsOf(d);
            topics.insert(own.begin(), own.end());
            if (QWidget* edit = d.GetDlgItem(104)) {
                d.show();
                edit->setFocus();
                QTest::keyClick(edit, Qt::Key_F1);
            }
        });
        ZV_MG gamma(100, 100, 100);
        SelectGamma(nullptr, gamma, nullptr, nullptr, 0);
        ZV_CDOPTFV options(1, 0, 16777216, 1, 1);
        SelectColorDitherOptions(nullptr, WA_TYPE_RGB, options, IsFast, IsAvailable, nullptr, nullptr, 0);
    }
    fw::HelpProvider::Instance().SetBackend({});
    EXPECT_GT(topics.size(), 10u);
    EXPECT_TRUE(EveryTopicHasAPage(ZvTemplateDialog::HelpFile(), topics));
    // F1 in the red gamma's box.
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].data, 3066u);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(shown[0].page))) << shown[0].page;
}
