// The state behind a saver's effect window: the settings it reads and
// writes, where its picture comes from (the picture file, or a copy of the
// desktop when asked or when the file cannot be read), and the effect it
// advances by the tick clock. The window only draws what this holds.
#pragma once

#include "platform/WinRand.h"
#include "savers/SaverEffect.h"
#include "savers/SaverProgram.h"
#include "savers/SaverSettings.h"
#include "savers/SaverTicker.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

// A copy of the desktop as it is now.
class SaverScreen {
public:
    virtual ~SaverScreen() = default;
    // Empty when no copy can be had.
    virtual SaverDib Capture() = 0;
};

class SaverModel {
public:
    // Reads "Path", "Size", "Whirl" and "Screen" and takes the picture.
    SaverModel(const SaverProgram& program, SaverSettings settings, SaverScreen& screen);
    SaverModel(const SaverModel&) = delete;
    SaverModel& operator=(const SaverModel&) = delete;

    // Size and strength are kept to the sliders' range.
    static constexpr int32_t kMinSetting = 1;
    static constexpr int32_t kMaxSetting = 100;

    // The picture file; when it cannot be read, the desktop copy (and the
    // "use screen" flag goes off).
    void LoadPicture();
    void CaptureScreen();
    // A new picture file ("Name" is written first); nothing for the same path.
    void SetPicturePath(const std::string& path);
    // Writes "Size" when the square was made anew, "Whirl" always (whirl).
    void SetEffectSize(int32_t size, int32_t strength);

    // Starts the ticks (the window was created).
    void Start(uint32_t now);
    // Runs the ticks due at now and composes the square; true when it did
    // (the window redraws). Starts the ticks when not started.
    bool Advance(uint32_t now);

    // The window is gone: "Path" is written (once).
    void Close();

    const std::string& PicturePath() const { return picturePath_; }
    bool UseScreen() const { return useScreen_; }
    bool PictureFromFile() const { return fromFile_; }
    int32_t SizePercent() const { return sizePercent_; }
    int32_t Strength() const { return strength_; }
    const SaverEffect& Effect() const { return *effect_; }
    SaverEffect& Effect() { return *effect_; }
    const SaverSettings& Settings() const { return settings_; }
    const SaverProgram& Program() const { return program_; }

    // Called when the whole window must be drawn again.
    std::function<void()> onRepaint;

private:
    void TakePicture(SaverDib picture, bool fromFile);
    // The window's writes are not checked: a store that cannot be written
    // must not stop the effect.
    void Write(const char* name, const std::string& value);

    const SaverProgram& program_;
    SaverSettings settings_;
    SaverScreen& screen_;
    std::unique_ptr<SaverEffect> effect_;
    std::string picturePath_;
    bool useScreen_ = false;
    bool fromFile_ = false;
    int32_t sizePercent_ = 10;
    int32_t strength_ = 30;
    std::optional<SaverTicker> ticker_;
    platform::WinRand rand_;
    bool closed_ = false;
};
