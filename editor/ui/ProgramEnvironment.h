// What the editor's widgets ask of the program around them: its resource
// table (bitmaps, waves) and its Sound switch (section "INTERFACE", key
// "Sound"). The application object hands both over at start-up; until then
// there are no resources and Sound is on, the switch's default.
#pragma once

#include "platform/ResourceTable.h"

#include <QImage>
#include <cstdint>
#include <functional>
#include <optional>

void LdSetProgramResources(platform::ResourceTable table);
const platform::ResourceTable& LdProgramResources();

// The switch is asked each time a sound would play.
void LdSetSoundSwitch(std::function<bool()> soundOn);
bool LdSoundOn();

// Plays the program's WAVE resource id without waiting, when Sound is on
// and the resource exists; true when it was handed to the sound backend.
bool LdPlayProgramWave(uint32_t id);

// The program's bitmap resource id as an image, or nothing when it is
// absent or damaged.
std::optional<QImage> LdLoadProgramBitmap(uint32_t id);
