// Runs of rubber.8bf, each test in a process of its own: the module's
// settings go to a fresh config folder, the pictures are smooth enough to
// look at, and the test answers the module's dialogs through the
// framework's hooks.
#pragma once

#include "filters/frame/tests/ModuleRunFixture.h"
#include "RubberReference.h"
#include "filters/frame/tests/ScriptedHost.h"
#include "framework/Dialog.h"
#include "framework/HelpProvider.h"
#include "framework/MessageBox.h"
#include "platform/IniFile.h"
#include "platform/tests/TestFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class RubberFixture : public ModuleRunFixture {
protected:
    RubberFixture() : ModuleRunFixture("rubber") {}

    // A host over a picture of gradients and squares, calling entry.
    std::unique_ptr<ScriptedHost> MakeHost(ScriptedHost::Options options, const char* entry = "ENTRYPOINT1")
    {
        auto host = std::make_unique<ScriptedHost>(RUBBER_MODULE, options, entry);
        EXPECT_TRUE(host->Loaded());
        const int32_t w = options.width, h = options.height, planes = options.planes;
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const bool square = ((x * 8 / w) + (y * 8 / h)) % 2 == 0;
                const uint8_t rgb[3] = {uint8_t(x * 255 / w), uint8_t(y * 255 / h), uint8_t(square ? 220 : 40)};
                for (int32_t k = 0; k < planes; ++k)
                    host->input[size_t((y * w + x) * planes + k)] =
                        planes == 3 ? rgb[k] : uint8_t((rgb[0] + rgb[1] + rgb[2]) / 3);
            }
        host->output = host->input;
        return host;
    }

    static RubberParams& Params(ScriptedHost& host) { return *static_cast<RubberParams*>(host.parameters->data); }

    // What the module wrote over the whole picture, against the formulas.
    static void ExpectStretched(const ScriptedHost& host, const RubberParams& params)
    {
        const Rect& r = host.FilterRect();
        const RefArea f{r.left, r.top, r.right, r.bottom};
        const RefPicture in{host.Width(), host.Height(), host.Planes(), host.input.data()};
        const RubberField field(f.right - f.left, f.bottom - f.top, params);
        for (int32_t y = 0; y < host.Height(); ++y)
            for (int32_t x = 0; x < host.Width(); ++x)
                for (int32_t k = 0; k < host.Planes(); ++k)
                    ASSERT_EQ(host.Out(x, y, k), RubberPixel(in, f, field, x, y, k, host.record.backColor))
                        << "pixel " << x << "," << y << " plane " << k;
    }

    // A press, a move and a release of the left button on widget.
    static void Drag(QWidget* widget, QPoint press, QPoint move)
    {
        auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent e(type, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                          Qt::NoModifier);
            QApplication::sendEvent(widget, &e);
        };
        send(QEvent::MouseButtonPress, press, Qt::LeftButton);
        send(QEvent::MouseMove, move, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, move, Qt::NoButton);
    }

    void Answer(fw::Dialog& d) override
    {
        const std::string title = d.windowTitle().toStdString();
        if (AcceptHostSelection(d))
            return;
        if (title == "Rubber") {
            ++rubberDialogs;
            if (rubberDialog)
                rubberDialog(d);
            d.PressButton(filterOk ? fw::IDOK : fw::IDCANCEL);
        } else if (title == "Pinch" || title == "Punch" || title == "Wave" || title == "Whirl" ||
                   title == "Explosions" || title == "Collapses" || title == "Perspective" || title == "Gravity" ||
                   title == "Wind" || title == "Pixel storm" || title == "Random deformations" ||
                   title == "Page curl" || title == "Warp") {
            filterTitles.push_back(title);
            if (filterDialog)
                filterDialog(d);
            d.PressButton(filterOk ? fw::IDOK : fw::IDCANCEL);
        } else if (title == "About Rubber") {
            for (QLabel* label : d.findChildren<QLabel*>())
                aboutTexts.push_back(label->text().toStdString());
            d.PressButton(fw::IDOK);
        } else {
            ADD_FAILURE() << "unexpected dialog " << title;
        }
    }

    std::vector<std::string> aboutTexts;
    bool filterOk = true;
    int rubberDialogs = 0;
    std::function<void(fw::Dialog&)> rubberDialog;
    // The dialogs of the other filters, by title.
    std::vector<std::string> filterTitles;
    std::function<void(fw::Dialog&)> filterDialog;
};
