// The album program with many pictures. Adding 1 000 picture files (a mix
// of 12-megapixel JPEGs and small PNGs, made here) to an album until every
// record has its thumbnail, beside `vipsthumbnail` and ImageMagick's
// `mogrify -thumbnail 80x60` on the same files in the same run; then opening
// an album of 10 000 records and painting its first page. Each measured run
// is a process of its own (ours re-runs this program), so the wall time and
// the peak resident memory are measured alike for all.
#include "BenchResult.h"
#include "ProcessMeasure.h"
#include "album/app/OvalbumView.h"
#include "album/doc/AlbumReadWA.h"
#include "album/doc/AlbumWriteWA.h"
#include "album/doc/OvalbumDoc.h"
#include "drawctx/zvwa/WA.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 2;
constexpr int kBigWidth = 4000, kBigHeight = 3000;  // 12 megapixels
constexpr int kSmallWidth = 640, kSmallHeight = 480;
constexpr int kBigEvery = 10;  // one picture in ten is a large JPEG
constexpr int kLargeAlbum = 10000;

double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// A smooth picture with some detail, as a photograph compresses.
void WritePicture(const std::string& path, int w, int h, int seed)
{
    WA* wa = new WA(WA_TYPE_RGB, w, h, static_cast<char*>(nullptr));
    for (int y = 0; y < h; ++y) {
        uint8_t* row = wa->Row(y);
        for (int x = 0; x < w; ++x) {
            row[3 * x] = uint8_t((x * 255 / w + seed * 37) & 0xFF);
            row[3 * x + 1] = uint8_t((y * 255 / h + ((x ^ y) & 15)) & 0xFF);
            row[3 * x + 2] = uint8_t((seed * 91 + (x + y) / 8) & 0xFF);
        }
    }
    if (!WriteAlbumPicture(path, *wa))
        std::fprintf(stderr, "could not write %s\n", path.c_str());
    WARelease(wa);
}

std::vector<std::string> PictureNames(const std::string& folder, int count)
{
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/pic%04d.%s", i, i % kBigEvery == 0 ? "jpg" : "png");
        paths.push_back(folder + name);
    }
    return paths;
}

std::vector<std::string> MakePictures(const std::string& folder, int count)
{
    const std::vector<std::string> paths = PictureNames(folder, count);
    for (int i = 0; i < count; ++i) {
        const bool big = i % kBigEvery == 0;
        WritePicture(paths[size_t(i)], big ? kBigWidth : kSmallWidth, big ? kBigHeight : kSmallHeight, i);
    }
    return paths;
}

// Child: adds the files to a new album; prints the milliseconds to the
// last thumbnail.
int AddFiles(int argc, char** argv)
{
    std::vector<std::string> paths(argv, argv + argc);
    COvalbumDoc doc;
    const auto start = std::chrono::steady_clock::now();
    const int32_t added = doc.AddPictureFiles(paths);
    const double ms = Since(start);
    int withThumbnail = 0;
    for (const auto& r : doc.GetRecords())
        withThumbnail += r->hasThumbnail ? 1 : 0;
    if (added != argc || withThumbnail != argc) {
        std::fprintf(stderr, "added %d of %d\n", int(added), argc);
        return 1;
    }
    std::fprintf(stderr, "  (in the process: %.0f ms)\n", ms);
    return 0;
}

// Child: opens the album and paints the first page of its view.
int OpenAndPaint(int argc, char** argv, const std::string& album)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    COvalbumDoc doc;
    doc.autoDelete = false;
    auto start = std::chrono::steady_clock::now();
    if (!doc.OnOpenDocument(album))
        return 1;
    const double openMs = Since(start);
    start = std::chrono::steady_clock::now();
    auto* view = new COvalbumView;
    doc.AddView(view);
    view->resize(800, 600);
    view->OnInitialUpdate();
    const QImage page = view->viewport()->grab().toImage();
    const double paintMs = Since(start);
    std::fprintf(stderr, "  (open %zu records: %.0f ms; lay out and paint the first page: %.0f ms, %dx%d)\n",
                 doc.GetRecords().size(), openMs, paintMs, page.width(), page.height());
    doc.RemoveView(view);
    delete view;
    return page.isNull() ? 1 : 0;
}

// Child: writes an album of 10 000 records, each with a thumbnail of the
// picture given, so that this process stays small for the measures.
int MakeAlbum(const std::string& album, const std::string& picturePath)
{
    COvalbumDoc doc;
    WA* picture = ReadAlbumPicture(picturePath);
    if (!picture)
        return 1;
    for (int i = 0; i < kLargeAlbum; ++i) {
        auto record = std::make_unique<COvalbumRec>();
        record->path = picturePath;
        record->SetThumbnail(*picture);
        doc.InsertRecord(std::move(record));
    }
    WARelease(picture);
    return doc.OnSaveDocument(album) ? 0 : 1;
}

void Print(const char* what, const Measure& m)
{
    if (m.ok)
        std::printf("  %-34s first %8.0f ms  best %8.0f ms  peak %7ld KB\n", what, m.firstMs, m.ms, m.maxrssKb);
    else
        std::printf("  %-34s not measured\n", what);
}

bool Have(const char* tool)
{
    return !QStandardPaths::findExecutable(tool).isEmpty();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--add") == 0)
        return AddFiles(argc - 2, argv + 2);
    if (argc == 3 && std::strcmp(argv[1], "--open") == 0)
        return OpenAndPaint(argc, argv, argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "--make-album") == 0)
        return MakeAlbum(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "--make-pictures") == 0)
        return MakePictures(argv[2], std::atoi(argv[3])).empty() ? 1 : 0;

    int count = 1000;
    if (argc == 3 && std::strcmp(argv[1], "--pictures") == 0)
        count = std::max(1, std::atoi(argv[2]));

    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    // Made in a process of its own, so that this one stays small: a child's
    // peak counts the memory of the process that started it.
    auto start = std::chrono::steady_clock::now();
    if (!RunProcess({argv[0], "--make-pictures", folder, std::to_string(count)}, 1).ok)
        return 1;
    const std::vector<std::string> paths = PictureNames(folder, count);
    std::printf("album: %d pictures (%d of %dx%d JPEG, the rest %dx%d PNG), made in %.0f ms\n", count,
                (count + kBigEvery - 1) / kBigEvery, kBigWidth, kBigHeight, kSmallWidth, kSmallHeight, Since(start));

    std::vector<std::string> ours = {argv[0], "--add"};
    ours.insert(ours.end(), paths.begin(), paths.end());
    const Measure add = RunProcess(ours, kRuns);
    Print("album: add, all thumbnails", add);
    const auto ratio = [&add](const char* what, const Measure& tool) {
        if (add.ok && tool.ok)
            ReportRatioOnly("album", what, add.ms / tool.ms);
    };

    const std::string out = folder + "/thumbs";
    QDir().mkpath(QString::fromStdString(out));
    if (Have("vipsthumbnail")) {
        std::vector<std::string> vips = {"vipsthumbnail", "-s", "80x60", "-o", out + "/%s.png"};
        vips.insert(vips.end(), paths.begin(), paths.end());
        const Measure m = RunProcess(vips, kRuns);
        Print("vipsthumbnail -s 80x60", m);
        ratio("add 1 000 pictures / vipsthumbnail", m);
    } else {
        std::printf("  vipsthumbnail: not installed, skipped\n");
    }
    if (Have("mogrify")) {
        std::vector<std::string> magick = {"mogrify", "-path", out, "-format", "png", "-thumbnail", "80x60"};
        magick.insert(magick.end(), paths.begin(), paths.end());
        const Measure m = RunProcess(magick, kRuns);
        Print("mogrify -thumbnail 80x60", m);
        ratio("add 1 000 pictures / mogrify", m);
    } else {
        std::printf("  mogrify: not installed, skipped\n");
    }

    // An album of 10 000 records, each with a thumbnail, written once.
    const std::string album = folder + "/large.ova";
    if (!RunProcess({argv[0], "--make-album", album, paths[1 % paths.size()]}, 1).ok)
        return 1;
    std::printf("album: open %d records (%lld bytes) and paint the first page\n", kLargeAlbum,
                static_cast<long long>(QFileInfo(QString::fromStdString(album)).size()));
    const Measure open = RunProcess({argv[0], "--open", album}, kRuns);
    Print("album: open and paint", open);
    if (open.ok)
        ReportFigureOnly("album", "open 10 000 records and paint", open.ms, "ms");
    Print("cat (reading the file alone)", RunProcess({"sh", "-c", "cat \"$0\" >/dev/null", album}, kRuns));
    return 0;
}
