#include "ViewTestFrame.h"

#include "framework/MDIChildWnd.h"
#include "imexp/ImExp.h"

#include <QApplication>
#include <QMouseEvent>
#include <unistd.h>
#include <vector>

void ViewFrameTest::SetUpFrame(CLdViewHost* host)
{
    LdSetViewHost(host);
    frame = new fw::MDIFrameWnd;
    app.SetMainWnd(frame);
    frame->resize(900, 700);
    frame->show();
    auto docTemplate = std::make_unique<fw::MultiDocTemplate>(
        "\nPicture\nPicture\nBitmap (*.bmp)\n.BMP\nid\nname", FW_RUNTIME_CLASS(CLodo40Doc),
        FW_RUNTIME_CLASS(fw::MDIChildWnd), FW_RUNTIME_CLASS(CLodo40View));
    tmpl = docTemplate.get();
    app.AddDocTemplate(std::move(docTemplate));
    folder = std::filesystem::temp_directory_path() /
             ("qnview-" + std::to_string(getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
}

void ViewFrameTest::TearDownFrame()
{
    app.CloseAllDocuments(true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete frame;
    LdSetViewHost(nullptr);
    std::filesystem::remove_all(folder);
}

CLodo40View* ViewFrameTest::OpenPattern(int32_t w, int32_t h, const std::string& name)
{
    PpQnPicture p(w, h, WA_RGB24, nullptr);
    std::vector<uint8_t> row(size_t(w) * 3);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            row[size_t(3 * x)] = uint8_t(x);
            row[size_t(3 * x + 1)] = uint8_t(y);
            row[size_t(3 * x + 2)] = 77;
        }
        p->SetRow(0, 0, h - 1 - y, row.data());
    }
    const std::string path = (folder / name).string();
    if (!imexp::WritePicture(path, *p))
        return nullptr;
    fw::Document* doc = tmpl->OpenDocumentFile(path);
    if (!doc)
        return nullptr;
    QCoreApplication::processEvents();
    auto* view = dynamic_cast<CLodo40View*>(doc->GetFirstView());
    if (view)
        view->OnViewActualView();
    return view;
}

void ViewFrameTest::Send(CLodo40View* view, QEvent::Type type, QnPoint p, Qt::MouseButtons held,
                         Qt::KeyboardModifiers modifiers)
{
    const QnPoint c = view->PictureToClient(p);
    const QPointF local(c.x, c.y);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, view->viewport()->mapToGlobal(local), button, held, modifiers);
    QApplication::sendEvent(view->viewport(), &event);
}

void ViewFrameTest::Drag(CLodo40View* view, std::initializer_list<QnPoint> path, Qt::KeyboardModifiers modifiers)
{
    auto it = path.begin();
    Send(view, QEvent::MouseButtonPress, *it, Qt::LeftButton, modifiers);
    QnPoint last = *it;
    for (++it; it != path.end(); ++it)
        Send(view, QEvent::MouseMove, last = *it, Qt::LeftButton, modifiers);
    Send(view, QEvent::MouseButtonRelease, last, Qt::NoButton, modifiers);
}

void ViewFrameTest::Click(CLodo40View* view, QnPoint p, Qt::KeyboardModifiers modifiers)
{
    Send(view, QEvent::MouseButtonPress, p, Qt::LeftButton, modifiers);
    Send(view, QEvent::MouseButtonRelease, p, Qt::NoButton, modifiers);
}
