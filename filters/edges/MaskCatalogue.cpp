#include "filters/edges/MaskCatalogue.h"

namespace {

constexpr MaskItem kArtistic[] = {
    {131, "Charcoal 1"},      {132, "Charcoal 2"},      {771, "Crayon"},   {772, "Scratch Board 1"},
    {773, "Scratch Board 2"}, {176, "Scratch Board 3"}, {774, "Scratch Board 4"}, {775, "Scribble"},
    {776, "Sponge 1"},        {777, "Sponge 2"},        {778, "Swirl"},    {779, "Water Color"},
};

constexpr MaskItem kStrokes[] = {
    {143, "Stroke 1"},       {144, "Stroke 2"},       {145, "Stroke 3"},       {146, "Stroke 4"},
    {147, "Stroke 5"},       {151, "Dry Stroke 1"},   {142, "Dry Stroke 2"},   {148, "Water Stroke 1"},
    {149, "Water Stroke 2"}, {150, "Wide Stroke 1"},  {141, "Wide Stroke 2"},
};

constexpr MaskItem kVignette[] = {
    {165, "Arch"},      {153, "Arch Blur"},  {164, "Rectangle"},  {152, "Rectangle Blur"}, {154, "Circle"},
    {155, "Circle Blur"}, {156, "Curved"},   {157, "Fade Down"},  {158, "Fade Left"},      {159, "Fade Right"},
    {160, "Fade Top"},  {161, "Frame"},      {162, "Oval Frame"}, {163, "Polygon"},
};

constexpr MaskItem kObjects[] = {
    {175, "Circle Swirl"}, {167, "Clouds"},     {168, "Fingerprint"}, {169, "Heart"}, {170, "Jigsaw"},
    {171, "Leaf"},         {172, "Old Photo"},  {173, "Palette"},     {174, "Stamp"}, {166, "Star"},
};

constexpr MaskItem kTextures[] = {
    {198, "Abrasive"}, {192, "Halftone 1"},     {191, "Halftone 2"}, {194, "Pond"},     {195, "Rays"},
    {196, "Rippled Paper"}, {193, "Ripples"},   {197, "Smoky"},      {188, "Splatter"}, {189, "Foggy"},
};

constexpr MaskGroup kGroups[] = {
    {"Artistic", kArtistic}, {"Strokes", kStrokes}, {"Vignette", kVignette},
    {"Objects", kObjects},   {"Textures", kTextures},
};

constexpr int32_t kResources[] = {
    131, 132, 141, 142, 143, 144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158,
    159, 160, 161, 162, 163, 164, 165, 166, 167, 168, 169, 170, 171, 172, 173, 174, 175, 176, 188, 189,
    190, 191, 192, 193, 194, 195, 196, 197, 198, 771, 772, 773, 774, 775, 776, 777, 778, 779,
};
static_assert(std::size(kResources) == 58);

} // namespace

std::span<const MaskGroup> MaskCatalogue() { return kGroups; }

std::span<const int32_t> MaskResources() { return kResources; }
