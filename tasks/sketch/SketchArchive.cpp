#include "tasks/sketch/SketchArchive.h"

#include "framework/Exception.h"
#include "framework/File.h"

uint64_t SketchBytesLeft(fw::Archive& ar)
{
    const fw::File* file = ar.GetFile();
    const uint64_t length = file->GetLength();
    const uint64_t at = file->GetPosition();
    return at < length ? length - at : 0;
}

void SketchRequireBytes(fw::Archive& ar, uint64_t bytes)
{
    if (bytes > SketchBytesLeft(ar))
        throw fw::ArchiveException(fw::ArchiveException::endOfFile, ar.GetFile()->GetFilePath());
}

std::unique_ptr<fw::Object> SketchReadOwnedObject(fw::Archive& ar, const fw::RuntimeClass* expected)
{
    // The archive keeps no buffer, so the tag can be looked at in the file
    // and read again by the archive.
    fw::File* file = ar.GetFile();
    const uint64_t at = file->GetPosition();
    uint16_t tag = 0;
    ar >> tag;
    uint32_t bigTag = 0;
    if (tag == fw::Archive::kBigObjectTag)
        ar >> bigTag;
    file->Seek(at);
    const bool newClass = tag == fw::Archive::kNewClassTag;
    const bool knownClass = tag == fw::Archive::kBigObjectTag ? (bigTag & fw::Archive::kBigClassTag) != 0
                                                               : (tag & fw::Archive::kClassTag) != 0;
    if (tag != fw::Archive::kNullTag && !newClass && !knownClass)
        throw fw::ArchiveException(fw::ArchiveException::badIndex, file->GetFilePath());
    return std::unique_ptr<fw::Object>(ar.ReadObject(expected));
}

void SketchWritePoints(fw::Archive& ar, const std::vector<QnPoint>& points)
{
    ar.WriteCount(points.size());
    for (const QnPoint& p : points)
        ar << p.x << p.y;
}

std::vector<QnPoint> SketchReadPoints(fw::Archive& ar)
{
    const uint64_t count = ar.ReadCount();
    SketchRequireBytes(ar, count * 8);
    std::vector<QnPoint> points(static_cast<size_t>(count));
    for (QnPoint& p : points)
        ar >> p.x >> p.y;
    return points;
}

void SketchWriteRect(fw::Archive& ar, const QnRect& r)
{
    ar << r.left << r.top << r.right << r.bottom;
}

QnRect SketchReadRect(fw::Archive& ar)
{
    QnRect r;
    ar >> r.left >> r.top >> r.right >> r.bottom;
    return r;
}
