// What the tests of the view tools share: an offscreen MDI frame with the
// picture document template, pictures opened as documents with a view each,
// and mouse events sent to a view's window at picture points.
#pragma once

#include "editor/document/Lodo40Doc.h"
#include "editor/view/Lodo40View.h"
#include "editor/view/ViewTool.h"
#include "framework/App.h"
#include "framework/DocTemplate.h"
#include "framework/MDIFrameWnd.h"
#include "picture/Picture.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <filesystem>
#include <initializer_list>
#include <string>

class ViewFrameTest : public ::testing::Test {
protected:
    // host: serves the views' tools; set before any view is made.
    void SetUpFrame(CLdViewHost* host);
    void TearDownFrame();
    // A picture whose blue byte is x, green y and red 77, opened as a
    // document shown at 1:1 in a view of its own.
    CLodo40View* OpenPattern(int32_t width, int32_t height, const std::string& name = "p.bmp");

    void Send(CLodo40View* view, QEvent::Type type, QnPoint p, Qt::MouseButtons held,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Drag(CLodo40View* view, std::initializer_list<QnPoint> path, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Click(CLodo40View* view, QnPoint p, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    fw::App app{"Telvy12ViewTest"};
    fw::MDIFrameWnd* frame = nullptr;
    fw::DocTemplate* tmpl = nullptr;
    std::filesystem::path folder;
};
