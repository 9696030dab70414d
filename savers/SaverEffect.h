// What the two savers share: a picture, a square of e x e pixels that
// wanders over it, and the square's composed pixels, which each effect makes
// from the picture under it. The effect advances by ticks; the window asks
// for the square to be composed only before it draws.
#pragma once

#include "platform/WinRand.h"
#include "savers/SaverDib.h"
#include "savers/SaverMotion.h"

#include <cstdint>

class SaverEffect {
public:
    SaverEffect() = default;
    SaverEffect(const SaverEffect&) = delete;
    SaverEffect& operator=(const SaverEffect&) = delete;
    virtual ~SaverEffect() = default;

    // The strength value and its setting exist for the whirl only.
    virtual bool HasStrength() const { return false; }
    virtual int32_t Strength() const { return 0; }

    // A new picture; the caller then sets the effect size for it.
    void SetPicture(SaverDib picture);
    const SaverDib& Picture() const { return picture_; }
    bool HasPicture() const { return !picture_.Empty(); }

    // size in percent of the picture's shorter side. Answers whether the
    // square was made anew (the window then repaints and "Size" is written).
    virtual bool SetEffectSize(int32_t size, int32_t strength) = 0;
    int32_t SizePercent() const { return sizePercent_; }
    int32_t SquareSize() const { return e_; }
    // min(size x pw / 100, size x ph / 100), at most kMaxSquare (which the
    // picture size limit never reaches), so displacements fit 16 bits.
    static constexpr int32_t kMaxSquare = 16384;
    static int32_t SquareSizeFor(int32_t size, int32_t pictureWidth, int32_t pictureHeight);

    // One timer tick without composing: velocity walk, phase, move.
    void Step(platform::WinRand& rand);
    // Makes the square's pixels for the current corner (24-bit pictures).
    void ComposeSquare();
    // Step and ComposeSquare.
    void Tick(platform::WinRand& rand);

    const SaverMotion& Motion() const { return motion_; }
    SaverMotion& Motion() { return motion_; }
    // The square's pixels, valid once composed since the last change.
    const SaverDib& Square() const { return square_; }
    bool Composed() const { return composed_; }

protected:
    // A new black square of e x e (e may stay the same).
    void ReplaceSquare(int32_t e);
    void SetSizePercent(int32_t size) { sizePercent_ = size; }

    virtual void AdvancePhase() {}
    // Fills the pixels inside the circle; the plain square is already there.
    virtual void ComposeCircle() = 0;

    // The columns [first, end) of square row i with (i - e/2)^2 + (j - e/2)^2
    // <= e x e / 4, in integers: the pixels the effect changes.
    struct Span {
        int32_t first = 0;
        int32_t end = 0;
    };
    Span CircleSpan(int32_t i) const;
    uint8_t* SquareLine(int32_t i) { return square_.Line(i); }

private:
    SaverDib picture_;
    SaverDib square_;
    SaverMotion motion_;
    int32_t e_ = 0;
    int32_t sizePercent_ = 0;
    bool composed_ = false;
};
