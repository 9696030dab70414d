#include "album/app/AlbumSlideShowRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPointer>
#include <QThread>

#include "album/app/PictureWnd.h"
#include "album/doc/AlbumSlideShow.h"
#include "album/doc/OvalbumDoc.h"
#include "drawctx/zvwa/WA.h"

namespace {

SlideShowObserver& Observer()
{
    static SlideShowObserver observer;
    return observer;
}

// Notes Escape let go anywhere in the program while the show waits.
class EscapeWatch : public QObject {
public:
    bool released = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            released = true;
        return false;
    }
};

} // namespace

SlideShowObserver SetSlideShowObserver(SlideShowObserver observer)
{
    std::swap(Observer(), observer);
    return observer;
}

int RunAlbumSlideShow(const COvalbumDoc& doc)
{
    AlbumSlideShow show(doc);
    EscapeWatch escape;
    qApp->installEventFilter(&escape);
    QPointer<CPictureWnd> window;
    int shown = 0;
    for (;;) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        WA* picture = show.Next();
        QApplication::restoreOverrideCursor();
        if (!picture)
            break;
        if (!window) {
            if (shown > 0)
                break;  // closed by the user
            window = new CPictureWnd();
            window->View().slideShow = 1;
        }
        window->ShowPicture(picture);
        WARelease(picture);
        ++shown;
        if (Observer())
            Observer()(*window, shown);
        // The pause, with the program's events going on around it.
        QElapsedTimer waited;
        waited.start();
        do {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
            if (escape.released || !window || window->View().slideShow == 0)
                break;
            if (waited.elapsed() < doc.slideShowDelay)
                QThread::msleep(5);
        } while (waited.elapsed() < doc.slideShowDelay);
        if (escape.released || !window || window->View().slideShow == 0)
            break;
    }
    qApp->removeEventFilter(&escape);
    if (window)
        window->close();
    return shown;
}
