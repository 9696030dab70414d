#include "album/app/FakeAlbumScanner.h"

bool FakeAlbumScanner::PreTranslate(QObject*, QEvent*, QWidget*)
{
    ++eventsOffered;
    return consumeEvents;
}

void FakeAlbumScanner::Init(QWidget* window)
{
    mainWindow = window;
    calls.push_back("init");
}

void FakeAlbumScanner::Shutdown()
{
    calls.push_back("shutdown");
}

void FakeAlbumScanner::Acquire(QWidget*, bool nativeTransfer)
{
    calls.push_back(nativeTransfer ? "acquire native" : "acquire memory");
}

void FakeAlbumScanner::SelectSource(QWidget*)
{
    calls.push_back("select");
}

int32_t FakeAlbumScanner::IsBusy()
{
    return busy;
}
