// edges.8bf catalogued by the plug-in host library from its property list
// and run on a picture: asked once, then run again with the kept block.
#include "EdgesFixture.h"

#include "pluginhost/Fxgate.h"
#include "pluginhost/FxgateLibrary.h"
#include "pluginhost/PIHostTypes.h"
#include "pluginhost/tests/TestPicture.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTabBar>
#include <filesystem>

namespace {

using EdgesUnderFxgate = EdgesFixture;

TEST_F(EdgesUnderFxgate, RunsFromTheCatalogue)
{
    const std::string folder = std::filesystem::path(EDGES_MODULE).parent_path();
    const std::string catalogue = config / "Telvy12.DAT";
    const PIInitPaths paths{catalogue.c_str(), folder.c_str()};
    ASSERT_EQ(PIInitPluginSupport(&paths), 1);
    const int32_t id = Fxgate()->catalogue.IdByName("Edges...");
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
    for (size_t i = 0; i < source.Pixels().size(); ++i)
        source.Pixels()[i] = uint8_t(i * 3 + 1);
    int32_t within = 0;
    CPIInstance application{uint32_t(id)};
    for (int run = 0; run < 2; ++run) {
        TestPicture destination = source;
        PIRECT changed{};
        ASSERT_NO_THROW(application.Execute(nullptr, PIColour(250, 10, 20), 0, &destination, &source, PIPOINT{0, 0},
                                            nullptr, nullptr, nullptr, &changed, &within));
        // Blue, green, red in the work area.
        EXPECT_EQ(destination.At(0, 0)[0], 20) << run;
        EXPECT_EQ(destination.At(0, 0)[1], 10) << run;
        EXPECT_EQ(destination.At(0, 0)[2], 250) << run;
        EXPECT_EQ(std::vector<uint8_t>(destination.At(30, 20), destination.At(30, 20) + 3),
                  std::vector<uint8_t>(source.At(30, 20), source.At(30, 20) + 3));
    }
    EXPECT_EQ(dialogs, 1);

    dialogOk = false;
    TestPicture destination = source;
    PIRECT changed{};
    CPIInstance instance{uint32_t(id)};
    EXPECT_THROW(instance.Execute(nullptr, 0, 0, &destination, &source, PIPOINT{0, 0}, nullptr, nullptr, nullptr,
                                  &changed, &within),
                 piInst_cancel);
    EXPECT_EQ(destination.Pixels(), source.Pixels());
}

} // namespace
