// The album program started for a test, with its frame, view and album,
// and pictures of known colours to fill the album with.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "AppTestSupport.h"
#include "album/app/MainFrm.h"
#include "album/app/OvalbumApp.h"
#include "album/app/OvalbumView.h"
#include "album/app/book/PagePane.h"
#include "album/doc/OvalbumDoc.h"
#include "album/doc/tests/AlbumPictures.h"
#include "framework/Dialog.h"
#include "framework/FileDialog.h"

namespace albumapptest {

class AlbumViewFixture : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app.SetProgramFolder(ProgramFolder());
        auto recording = std::make_unique<RecordingLauncher>();
        launcher = recording.get();
        app.SetLauncher(std::move(recording));
        ASSERT_TRUE(app.InitInstance());
        frame = dynamic_cast<CMainFrame*>(app.GetMainWnd());
        ASSERT_NE(frame, nullptr);
        frame->show();
        Refresh();
        ASSERT_NE(View(), nullptr);
        ASSERT_NE(Doc(), nullptr);
    }
    void TearDown() override
    {
        fw::SetDialogHook({});
        fw::SetFileDialogHook({});
        if (Doc())
            Doc()->SetModifiedFlag(false);
        app.CloseAllDocuments(true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        AppFixture::TearDown();
    }
    COvalbumView* View() const { return dynamic_cast<COvalbumView*>(frame->GetActiveView()); }
    COvalbumDoc* Doc() const { return View() ? View()->GetDocument() : nullptr; }
    CPagePane& Page() const { return *View()->Page(); }
    // Gives the view a client area of the size and lays the book out.
    void SetViewSize(int w, int h)
    {
        View()->setMinimumSize(0, 0);
        frame->setMinimumSize(0, 0);
        const QSize now = View()->viewport()->size();
        frame->resize(frame->size() + QSize(w, h) - now);
        Refresh();
        View()->resize(View()->size() + QSize(w, h) - View()->viewport()->size());
        Refresh();
    }
    void Refresh()
    {
        QCoreApplication::processEvents();
        if (View())
            View()->OnUpdate(nullptr, 0, nullptr);
    }
    // Picture files "p<i>.png" in one colour each (red rising with i), added
    // to the album; answers their paths.
    std::vector<std::string> AddPictures(int count, int first = 0)
    {
        std::vector<std::string> paths;
        for (int i = first; i < first + count; ++i) {
            paths.push_back(PathOf(QString("p%1.png").arg(i).toStdString()));
            albumtest::WritePictureFile(paths.back(), 40, 30, uint8_t(i * 3), 100, uint8_t(255 - i * 3));
        }
        EXPECT_EQ(Doc()->AddPictureFiles(paths), count);
        Refresh();
        return paths;
    }
    static std::string NameOf(const COvalbumRec* r) { return r ? r->path.substr(r->path.rfind('/') + 1) : "none"; }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& r : Doc()->GetRecords())
            names.push_back(NameOf(r.get()));
        return names;
    }

    COvalbumApp app;
    RecordingLauncher* launcher = nullptr;
    CMainFrame* frame = nullptr;
};

}  // namespace albumapptest
