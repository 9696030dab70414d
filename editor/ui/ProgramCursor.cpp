#include "editor/ui/ProgramCursor.h"

#include "editor/ui/ProgramEnvironment.h"

#include <QImage>
#include <QPixmap>

namespace {

uint32_t Le16(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8;
}

uint32_t Le32(const uint8_t* p)
{
    return Le16(p) | Le16(p + 2) << 16;
}

}  // namespace

std::optional<QCursor> LdCursorFromFile(std::span<const uint8_t> bytes)
{
    // Directory: reserved 0, type 2 (cursor), image count; then 16-byte
    // entries: width, height, colours, reserved, hot spot x and y, image
    // size and image offset.
    constexpr size_t kDirectory = 6, kEntry = 16;
    if (bytes.size() < kDirectory + kEntry || Le16(&bytes[0]) != 0 || Le16(&bytes[2]) != 2 || Le16(&bytes[4]) < 1)
        return std::nullopt;
    const uint8_t* entry = &bytes[kDirectory];
    const uint32_t hotX = Le16(entry + 4), hotY = Le16(entry + 6);
    const uint32_t size = Le32(entry + 8), offset = Le32(entry + 12);
    if (offset > bytes.size() || size > bytes.size() - offset)
        return std::nullopt;
    const QImage image = QImage::fromData(bytes.data() + offset, int(size), "PNG");
    if (image.isNull() || hotX >= uint32_t(image.width()) || hotY >= uint32_t(image.height()))
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image), int(hotX), int(hotY));
}

std::optional<QCursor> LdLoadProgramCursor(uint32_t id)
{
    const auto bytes = LdProgramResources().Find(platform::ResourceName("CURSOR"), id);
    if (!bytes)
        return std::nullopt;
    return LdCursorFromFile(*bytes);
}

QCursor LdProgramCursor(uint32_t id, Qt::CursorShape fallback)
{
    if (auto cursor = LdLoadProgramCursor(id))
        return *cursor;
    return QCursor(fallback);
}
