// The "&Lightning:" control's logic: one ring around an off centre, four
// sectors (sector 0 from the positive x axis, y downwards), the shadow
// option each choice stands for, and the lit sphere it paints.
#pragma once

#include <cstdint>

struct LightChoice {
    int32_t level = 0;  // 0 centre (off), 1 on the ring
    int32_t sector = 0; // 0..3
};

constexpr int32_t kLightSectors = 4;

// The choice at (dx, dy) from the centre of a control of that radius.
LightChoice LightAt(double dx, double dy, double radius);
int32_t ShadowOption(const LightChoice& choice);
LightChoice ChoiceForShadow(int32_t shadow);
// The light point of a choice: the middle of its sector at its level.
void LightPoint(const LightChoice& choice, double radius, double& lx, double& ly);
// Grey 0..255 of the sphere of that radius at (dx, dy) lit from (lx, ly);
// -1 outside the sphere.
int32_t SphereGrey(double dx, double dy, double radius, double lx, double ly);
