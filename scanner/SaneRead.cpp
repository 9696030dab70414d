#include "scanner/SaneRead.h"

#include <sane/sane.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "scanner/SaneSamples.h"
#include "scanner/ScanExcept.h"

namespace {

// Bytes asked for at once when the whole frame is read.
constexpr size_t kFrameBlock = size_t(1) << 20;

[[noreturn]] void Fail(SANE_Status status, int line)
{
    if (status == SANE_STATUS_CANCELLED)
        QnScanCancelExcept(line).raise();
    QnScanExcept(std::string("The scanner stopped: ") + sane_strstatus(status), line).raise();
}

// sane_cancel ends a scan on the device whether it finished or not.
struct EndScan {
    SANE_Handle handle;
    ~EndScan() { sane_cancel(handle); }
};

// Which colour a frame carries: -1 all of them (grey or red-green-blue),
// else 0, 1 or 2 for the red, green or blue pass of a three-pass scanner.
int ChannelOf(SANE_Frame frame)
{
    switch (frame) {
    case SANE_FRAME_RED: return 0;
    case SANE_FRAME_GREEN: return 1;
    case SANE_FRAME_BLUE: return 2;
    default: return -1;
    }
}

class Reader {
public:
    Reader(SANE_Handle handle, int32_t dpi, QnScanTransfer transfer, QnScanSink& sink, QnScanProgress* progress)
        : handle_(handle), transfer_(transfer), sink_(sink), progress_(progress)
    {
        format_.dpi = dpi;
    }

    void Run()
    {
        for (int pass = 0;; ++pass) {
            const SANE_Status status = sane_start(handle_);
            if (status != SANE_STATUS_GOOD)
                Fail(status, __LINE__);
            SANE_Parameters p{};
            if (sane_get_parameters(handle_, &p) != SANE_STATUS_GOOD)
                Fail(SANE_STATUS_IO_ERROR, __LINE__);
            TakeParameters(p, pass);
            if (transfer_ == QnScanTransfer::WholeFrame)
                ReadWholeFrame(p);
            else
                ReadLineByLine(p);
            if (p.last_frame || pass >= 2)
                break;
        }
        if (!begun_) {
            format_.height = framedRows_;
            if (format_.height == 0)
                QnScanExcept("The scanner sent no picture.", __LINE__).raise();
            sink_.Begin(format_);
            const size_t rowSize = size_t(format_.width) * size_t(format_.Channels());
            for (int32_t y = 0; y < format_.height; ++y)
                sink_.Row(y, frame_.data() + size_t(y) * rowSize);
        }
    }

private:
    void TakeParameters(const SANE_Parameters& p, int pass)
    {
        channel_ = ChannelOf(p.format);
        const bool known = p.format == SANE_FRAME_GRAY || p.format == SANE_FRAME_RGB || channel_ >= 0;
        channelsIn_ = p.format == SANE_FRAME_RGB ? 3 : 1;
        const int64_t bitsNeeded = int64_t(p.pixels_per_line) * channelsIn_ * p.depth;
        if (!known || (p.depth != 1 && p.depth != 8 && p.depth != 16) || p.pixels_per_line <= 0 ||
            int64_t(p.bytes_per_line) * 8 < bitsNeeded)
            QnScanExcept("The scanner sent a picture of a kind that can't be read.", __LINE__).raise();
        if (pass == 0) {
            format_.width = p.pixels_per_line;
            format_.colour = p.format != SANE_FRAME_GRAY;
            passes_ = channel_ >= 0 ? 3 : 1;
        } else if (p.pixels_per_line != format_.width || channel_ < 0) {
            QnScanExcept("The scanner sent a picture of a kind that can't be read.", __LINE__).raise();
        }
        depth_ = p.depth;
        pass_ = pass;
        y_ = 0;
        line_.assign(size_t(p.bytes_per_line), 0);
        samples_.assign(size_t(p.pixels_per_line) * size_t(channelsIn_), 0);
        // Rows go on at once only line by line, from a one-pass scanner that
        // knows the height; otherwise they wait for the frame's end.
        if (transfer_ == QnScanTransfer::LineByLine && channel_ < 0 && p.lines > 0) {
            format_.height = p.lines;
            sink_.Begin(format_);
            begun_ = true;
        }
        total_ = p.lines > 0 ? p.lines * passes_ : 0;
    }

    void ReadWholeFrame(const SANE_Parameters& p)
    {
        std::vector<uint8_t> bytes;
        if (p.lines > 0)
            bytes.reserve(size_t(p.lines) * size_t(p.bytes_per_line));
        for (;;) {
            const size_t at = bytes.size();
            bytes.resize(at + kFrameBlock);
            SANE_Int got = 0;
            const SANE_Status status = sane_read(handle_, bytes.data() + at, SANE_Int(kFrameBlock), &got);
            bytes.resize(at + size_t(std::max<SANE_Int>(got, 0)));
            if (status == SANE_STATUS_EOF)
                break;
            if (status != SANE_STATUS_GOOD)
                Fail(status, __LINE__);
            Step(int32_t(bytes.size() / size_t(p.bytes_per_line)));
        }
        const size_t lines = bytes.size() / size_t(p.bytes_per_line);
        for (size_t i = 0; i < lines; ++i)
            TakeLine(bytes.data() + i * size_t(p.bytes_per_line));
    }

    void ReadLineByLine(const SANE_Parameters& p)
    {
        size_t filled = 0;
        for (;;) {
            SANE_Int got = 0;
            const SANE_Status status =
                sane_read(handle_, line_.data() + filled, SANE_Int(line_.size() - filled), &got);
            if (status == SANE_STATUS_EOF)
                break;
            if (status != SANE_STATUS_GOOD)
                Fail(status, __LINE__);
            filled += size_t(std::max<SANE_Int>(got, 0));
            if (filled == size_t(p.bytes_per_line)) {
                TakeLine(line_.data());
                filled = 0;
            }
            Step(y_);
        }
    }

    // One complete line of the current pass.
    void TakeLine(const uint8_t* line)
    {
        QnSaneLineTo8Bit(line, format_.width, channelsIn_, depth_, samples_.data());
        if (begun_) {
            if (y_ < format_.height)
                sink_.Row(y_, samples_.data());
        } else {
            const size_t width = size_t(format_.width);
            const size_t rowSize = width * size_t(format_.Channels());
            if (size_t(y_) >= size_t(framedRows_)) {
                frame_.resize((size_t(y_) + 1) * rowSize, 0);
                framedRows_ = y_ + 1;
            }
            uint8_t* row = frame_.data() + size_t(y_) * rowSize;
            if (channel_ < 0) {
                std::memcpy(row, samples_.data(), rowSize);
            } else {
                for (size_t x = 0; x < width; ++x)
                    row[3 * x + size_t(channel_)] = samples_[x];
            }
        }
        ++y_;
    }

    void Step(int32_t rowsOfPass)
    {
        if (progress_ && !progress_->Step(pass_ * (total_ / passes_) + rowsOfPass, total_)) {
            sane_cancel(handle_);
            QnScanCancelExcept(__LINE__).raise();
        }
    }

    SANE_Handle handle_;
    QnScanTransfer transfer_;
    QnScanSink& sink_;
    QnScanProgress* progress_;
    QnScanFormat format_;
    bool begun_ = false;
    int channel_ = -1;
    int32_t channelsIn_ = 1;
    int32_t depth_ = 8;
    int32_t passes_ = 1;
    int32_t pass_ = 0;
    int32_t total_ = 0;
    int32_t y_ = 0;
    std::vector<uint8_t> line_;
    std::vector<uint8_t> samples_;
    std::vector<uint8_t> frame_;
    int32_t framedRows_ = 0;
};

}  // namespace

void QnSaneRead(void* handle, int32_t dpi, QnScanTransfer transfer, QnScanSink& sink, QnScanProgress* progress)
{
    SANE_Handle h = static_cast<SANE_Handle>(handle);
    EndScan end{h};
    Reader(h, dpi, transfer, sink, progress).Run();
}
