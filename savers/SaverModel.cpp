#include "savers/SaverModel.h"

#include "base/QnExcept.h"

#include <algorithm>

namespace {

int32_t ToRange(int32_t value)
{
    return std::clamp(value, SaverModel::kMinSetting, SaverModel::kMaxSetting);
}

} // namespace

SaverModel::SaverModel(const SaverProgram& program, SaverSettings settings, SaverScreen& screen)
    : program_(program), settings_(std::move(settings)), screen_(screen), effect_(program.makeEffect())
{
    picturePath_ = settings_.GetString(kSaverPath, "");
    // A value out of range would make the square larger than the picture.
    sizePercent_ = ToRange(settings_.GetInt(kSaverSize, 10));
    if (program_.hasStrength)
        strength_ = ToRange(settings_.GetInt(kSaverWhirl, 30));
    useScreen_ = settings_.GetInt(kSaverScreen, 0) != 0;
    if (useScreen_)
        CaptureScreen();
    else
        LoadPicture();
}

void SaverModel::LoadPicture()
{
    std::optional<SaverDib> picture = SaverDib::Load(picturePath_);
    if (!picture) {
        useScreen_ = false;
        CaptureScreen();
        return;
    }
    TakePicture(std::move(*picture), true);
}

void SaverModel::CaptureScreen() { TakePicture(screen_.Capture(), false); }

void SaverModel::TakePicture(SaverDib picture, bool fromFile)
{
    fromFile_ = fromFile && !picture.Empty();
    effect_->SetPicture(std::move(picture));
    SetEffectSize(sizePercent_, strength_);
}

void SaverModel::SetPicturePath(const std::string& path)
{
    if (path == picturePath_)
        return;
    Write(kSaverName, path);
    picturePath_ = path;
    LoadPicture();
}

void SaverModel::SetEffectSize(int32_t size, int32_t strength)
{
    sizePercent_ = ToRange(size);
    if (program_.hasStrength)
        strength_ = ToRange(strength);
    if (effect_->SetEffectSize(sizePercent_, strength_)) {
        Write(kSaverSize, std::to_string(sizePercent_));
        if (onRepaint)
            onRepaint();
    }
    if (program_.hasStrength)
        Write(kSaverWhirl, std::to_string(strength_));
}

void SaverModel::Start(uint32_t now) { ticker_.emplace(now); }

bool SaverModel::Advance(uint32_t now)
{
    if (!ticker_) {
        Start(now);
        return false;
    }
    const uint32_t due = ticker_->Due(now);
    if (due == 0 || !effect_->HasPicture())
        return false;
    for (uint32_t i = 0; i < due; ++i)
        effect_->Step(rand_);
    effect_->ComposeSquare();
    return true;
}

void SaverModel::Close()
{
    if (closed_)
        return;
    closed_ = true;
    Write(kSaverPath, picturePath_);
}

void SaverModel::Write(const char* name, const std::string& value)
{
    try {
        settings_.WriteString(name, value);
    } catch (const QnExcept&) {
    }
}
