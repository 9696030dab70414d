// The whirlpool: the pixels inside the square's circle turned about its
// centre, most at the centre and not at all at the rim, by an amount that
// swells and ebbs with a phase running 0..32..0.
#pragma once

#include "savers/SaverEffect.h"

#include <vector>

class WhirlEffect : public SaverEffect {
public:
    // 16 bits each: the table of a large square is read once a tick and
    // should take as little memory traffic as it can.
    struct Offset {
        int16_t x = 0;
        int16_t y = 0;
        bool operator==(const Offset&) const = default;
    };

    static constexpr int32_t kMaxPhase = 32;

    bool HasStrength() const override { return true; }
    int32_t Strength() const override { return strength_; }

    // The square is made anew only when e changes; the table always.
    bool SetEffectSize(int32_t size, int32_t strength) override;

    int32_t Phase() const { return phase_; }
    int32_t PhaseStep() const { return phaseStep_; }
    // Displacement of square pixel (i, j) at full phase.
    const Offset& TableAt(int32_t i, int32_t j) const { return table_[size_t(i) * size_t(SquareSize()) + size_t(j)]; }

    // The displacement of (i, j) in a square of e for a strength: the pixel
    // turned by strength x (C - d)^2 / (10 C^2) radians (C = e x e / 4, d
    // its squared distance from (e/2, e/2)), minus the pixel itself.
    static Offset Displacement(int32_t i, int32_t j, int32_t e, int32_t strength);

protected:
    void AdvancePhase() override;
    void ComposeCircle() override;

private:
    void BuildWhirlTable();

    std::vector<Offset> table_;
    int32_t strength_ = 0;
    int32_t phase_ = 16;
    int32_t phaseStep_ = 1;
};
