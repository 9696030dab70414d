#include "editor/operations/PicFactory.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "editor/operations/OperationStrings.h"
#include "platform/ProgramLocation.h"

namespace fs = std::filesystem;

namespace {

// A folder's entries by name, so the catalogue is the same on every file
// system; unreadable folders give none.
std::vector<fs::directory_entry> SortedEntries(const fs::path& folder)
{
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        entries.push_back(*it);
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
    return entries;
}

// A picture's name is its file name less the last four characters (".bmp").
std::optional<std::string> PictureName(const fs::directory_entry& entry)
{
    const std::string file = entry.path().filename().string();
    if (file.size() <= 4)
        return std::nullopt;
    return file.substr(0, file.size() - 4);
}

bool IsFolder(const fs::directory_entry& entry)
{
    std::error_code error;
    return entry.is_directory(error);
}

uint8_t Clamp(int32_t v) { return uint8_t(std::clamp(v, 0, 255)); }

// Tints grey: every 3-byte group of the pixel area takes the colour scaled
// by its first byte (at least 1).
void Tint(FramePicture& picture, uint32_t colour)
{
    const int32_t c[3] = {int32_t(colour >> 16 & 0xFF), int32_t(colour >> 8 & 0xFF), int32_t(colour & 0xFF)};
    const size_t n = picture.bits.size() / 3 * 3;
    for (size_t i = 0; i < n; i += 3) {
        const int32_t g = std::max<int32_t>(picture.bits[i], 1);
        for (int k = 0; k < 3; ++k)
            picture.bits[i + size_t(k)] = uint8_t(std::min(255, (c[k] * g + 127) / 255));
    }
}

// The piece of a side: 0 as stored, 1 transposed, 2 rows reversed,
// 3 transposed with columns reversed.
FramePicture Orient(const FramePicture& stored, int32_t side)
{
    FramePicture out;
    const bool transposed = side == kSideRight || side == kSideLeft;
    out.width = transposed ? stored.height : stored.width;
    out.height = transposed ? stored.width : stored.height;
    out.bits.assign(size_t(out.Stride()) * size_t(out.height), 0);
    for (int32_t r = 0; r < stored.height; ++r)
        for (int32_t c = 0; c < stored.width; ++c) {
            int32_t x = c, y = r;
            switch (side) {
            case kSideRight: x = r; y = c; break;
            case kSideBottom: y = stored.height - 1 - r; break;
            case kSideLeft: x = stored.width - r - 1; y = c; break;
            default: break;
            }
            std::copy_n(stored.Pixel(c, r), 3, out.Pixel(x, y));
        }
    return out;
}

// Whether the bevel of side under light runs across rows (else columns),
// and whether it counts from the far end.
struct BevelAxis {
    bool rows;
    bool reversed;
};

BevelAxis AxisOf(int32_t side, int32_t light)
{
    switch (side) {
    case kSideTop: return {true, !(light == 0 || light == 1 || light == 4)};
    case kSideRight: return {false, light == 0 || light == 3 || light == 4};
    case kSideBottom: return {true, !(light == 0 || light == 1)};
    default: return {false, light == 0 || light == 3};
    }
}

void Bevel(FramePicture& piece, int32_t side, int32_t light, int32_t profile)
{
    const BevelAxis axis = AxisOf(side, light);
    const int32_t n = axis.rows ? piece.height : piece.width;
    for (int32_t y = 0; y < piece.height; ++y)
        for (int32_t x = 0; x < piece.width; ++x) {
            const int32_t t = axis.rows ? y : x;
            const int32_t d = BevelOffset(profile, axis.reversed ? n - 1 - t : t, n);
            uint8_t* p = piece.Pixel(x, y);
            for (int k = 0; k < 3; ++k)
                p[k] = Clamp(p[k] + d);
        }
}

int32_t Scaled(int32_t p, int32_t size, int32_t F)
{
    // Positions outside 0..F-1 only come from frames wider than the result.
    return std::clamp<int32_t>(int32_t(int64_t(size) * p / std::max(F, 1)), 0, size - 1);
}

}  // namespace

namespace {

std::string& PictureFolderSetting()
{
    static std::string folder;
    return folder;
}

}  // namespace

void SetFramePictureFolder(const std::string& folder) { PictureFolderSetting() = folder; }

std::string FramePictureFolder()
{
    const std::string& folder = PictureFolderSetting();
    return folder.empty() ? platform::ProgramLocation::ProgramFolder() : folder;
}

CPicFactory::CPicFactory() : CPicFactory(FramePictureFolder()) {}

CPicFactory::CPicFactory(const std::string& folder) : root_(folder)
{
    styles_.push_back(OperationString(IDS_NONE));
    const fs::path frames = fs::path(root_) / "Frame" / "Frame";
    styleFolders_.push_back(frames.string());
    bitmaps_.emplace_back();
    Walk(frames.string());
    for (const fs::directory_entry& entry : SortedEntries(fs::path(root_) / "Frame" / "Mat"))
        if (!IsFolder(entry))
            if (std::optional<std::string> name = PictureName(entry))
                mats_.push_back(*name);
}

void CPicFactory::Walk(const std::string& folder)
{
    for (const fs::directory_entry& entry : SortedEntries(folder)) {
        if (IsFolder(entry)) {
            styles_.push_back(entry.path().filename().string());
            styleFolders_.push_back(entry.path().string());
            bitmaps_.emplace_back();
            Walk(entry.path().string());
        } else if (std::optional<std::string> name = PictureName(entry)) {
            bitmaps_.back().push_back(*name);
        }
    }
}

std::optional<FramePicture> CPicFactory::LoadMat(const std::string& name, uint32_t colour) const
{
    if (std::find(mats_.begin(), mats_.end(), name) == mats_.end())
        return std::nullopt;
    std::optional<FramePicture> mat = ReadFramePicture((fs::path(root_) / "Frame" / "Mat" / (name + ".bmp")).string());
    if (mat)
        Tint(*mat, colour);
    return mat;
}

std::optional<FramePicture> CPicFactory::LoadFramePiece(const std::string& name, int32_t side, int32_t light,
                                                        int32_t profile) const
{
    for (size_t i = 0; i < bitmaps_.size(); ++i) {
        if (std::find(bitmaps_[i].begin(), bitmaps_[i].end(), name) == bitmaps_[i].end())
            continue;
        std::optional<FramePicture> stored = ReadFramePicture((fs::path(styleFolders_[i]) / (name + ".bmp")).string());
        // The four turns keep a piece's size only when it is square.
        if (!stored || stored->width != stored->height || side < 0 || side > 3)
            return std::nullopt;
        FramePicture piece = Orient(*stored, side);
        Bevel(piece, side, light, profile);
        return piece;
    }
    return std::nullopt;
}

int CPicFactory::PrepareFrame(bool grey, int32_t W, int32_t H, uint32_t matColour, int32_t F, int32_t M,
                              int32_t light, int32_t profile, const std::string& frameName,
                              const std::string& matName)
{
    grey_ = grey;
    width_ = W;
    height_ = H;
    frame_ = std::max(F, 0);
    mat_ = std::max(M, 0);
    light_ = light;
    for (int32_t side = 0; side < 4; ++side)
        pieces_[size_t(side)] = frame_ > 0 ? LoadFramePiece(frameName, side, light, profile) : std::nullopt;
    matPicture_ = mat_ > 0 ? LoadMat(matName, matColour) : std::nullopt;
    alongX_ = FrameTiling::For(W - 2 * frame_, frame_);
    alongY_ = FrameTiling::For(H - 2 * frame_, frame_);
    const int64_t band = 2 * (int64_t(frame_) + mat_);
    return band < W && band < H ? 1 : 0;
}

bool CPicFactory::HasAllPictures() const
{
    const bool framed = frame_ <= 0 || std::all_of(pieces_.begin(), pieces_.end(), [](const auto& p) { return p.has_value(); });
    return framed && (mat_ <= 0 || matPicture_.has_value());
}

void CPicFactory::RenderRow(uint8_t* row, int32_t y) const
{
    if (!row)
        return;
    const int32_t W = width_, H = height_, F = frame_, E = frame_ + mat_;
    const int32_t bytes = grey_ ? 1 : 3;
    for (int32_t x = 0; x < W; ++x) {
        const FramePixelClass c = ClassifyFramePixel(x, y, W, H, F, mat_);
        const uint8_t* source = nullptr;
        int32_t steps = 0;
        switch (c.kind) {
        case FramePixelClass::Inside:
            continue;
        case FramePixelClass::Mat: {
            if (!matPicture_)
                continue;
            const FramePicture& m = *matPicture_;
            source = m.Pixel(x % m.width, y % m.height);
            steps = MatBevelSteps(x, y, W, H, E, light_);
            break;
        }
        case FramePixelClass::Side:
        case FramePixelClass::Corner: {
            const std::optional<FramePicture>& piece = pieces_[size_t(c.piece)];
            if (!piece)
                continue;
            const int32_t xAcross = x < F ? x : x + F - W;
            const int32_t yAcross = y < F ? y : y + F - H;
            int32_t xs, ys;
            if (c.kind == FramePixelClass::Corner) {
                xs = Scaled(xAcross, piece->width, F);
                ys = Scaled(yAcross, piece->height, F);
            } else if (c.piece == kSideTop || c.piece == kSideBottom) {
                xs = alongX_.PieceOffset(x, F, piece->width);
                ys = Scaled(yAcross, piece->height, F);
            } else {
                xs = Scaled(xAcross, piece->width, F);
                ys = alongY_.PieceOffset(y, F, piece->height);
            }
            source = piece->Pixel(xs, ys);
            break;
        }
        }
        uint8_t* out = row + ptrdiff_t(x) * bytes;
        if (grey_) {
            out[0] = Clamp((source[0] + source[1] + source[2]) / 3 + 32 * steps);
        } else {
            for (int k = 0; k < 3; ++k)
                out[k] = Clamp(source[k] + 32 * steps);
        }
    }
}
