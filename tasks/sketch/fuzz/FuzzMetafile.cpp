// A libFuzzer target for the metafile players. The first byte of the input
// tells an enhanced metafile (even) from a 16-bit one (odd); the rest is
// played into a rectangle of a picture, and nothing may be drawn outside it.
#include <cstdint>
#include <cstdlib>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "tasks/sketch/MetaEnhancedPlayer.h"
#include "tasks/sketch/MetaWindowsPlayer.h"

namespace {

constexpr int kSize = 48;
const QRect kTarget(8, 8, 32, 32);

}  // namespace

// Font configuration keeps what it reads the first time for the rest of the
// process in blocks the leak checker cannot see as reachable.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Text needs fonts, and fonts a GUI application; never a display. The
    // application lives to the end of the process, so that the font caches
    // it owns are not taken down while the process exits.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        if (data[0] % 2 == 0)
            PlayEnhancedMetafile(painter, kTarget, data + 1, size - 1);
        else
            PlayWindowsMetafile(painter, kTarget, data + 1, size - 1);
    }
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (!kTarget.contains(x, y) && image.pixel(x, y) != 0xFFFFFFFFu)
                __builtin_trap();
    return 0;
}
