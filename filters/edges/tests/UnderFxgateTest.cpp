// edges.8bf catalogued by the plug-in host library from its property list
// and run on a picture: asked once, then run again with the kept block.
#include "EdgesFixture.h"

#include "pluginhost/PIHostTypes.h"
#include "pluginhost/tests/CatalogueRun.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTabBar>

namespace {

using EdgesUnderFxgate = EdgesFixture;

TEST_F(EdgesUnderFxgate, RunsFromTheCatalogue)
{
    const int32_t id = CatalogueModuleFolder(config.Path(), EDGES_MODULE, "Edges...");
    ASSERT_GT(id, 0);

    // "Rectangle" of the Vignette tab: the border is the colour, the middle
    // the picture.
    answer = [](fw::Dialog& d) {
        qobject_cast<QTabBar*>(d.findChild<QTabBar*>())->setCurrentIndex(2);
        QWidget* gallery = d.GetDlgItem(1007);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(300, 75), QPointF(300, 75), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(gallery, &press);
    };
    TestPicture source(16, 60, 40);
    FillRamp(source, 3);
    CPIInstance application{uint32_t(id)};
    for (int run = 0; run < 2; ++run) {
        TestPicture destination = RunOnCopy(application, source, PIColour(250, 10, 20));
        // Blue, green, red in the work area.
        EXPECT_EQ(destination.At(0, 0)[0], 20) << run;
        EXPECT_EQ(destination.At(0, 0)[1], 10) << run;
        EXPECT_EQ(destination.At(0, 0)[2], 250) << run;
        EXPECT_EQ(std::vector<uint8_t>(destination.At(30, 20), destination.At(30, 20) + 3),
                  std::vector<uint8_t>(source.At(30, 20), source.At(30, 20) + 3));
    }
    EXPECT_EQ(dialogs, 1);

    dialogOk = false;
    ExpectCancelledApplication(uint32_t(id), source);
}

} // namespace
