#include "editor/effects/BuiltinEffectTable.h"

namespace {

struct BuiltinEffectRecord {
    int32_t command;
    const char* module;
    const char* entry1;
    const char* entry2;
    // Handed to every run of the effect as the entry's data argument: the
    // module's own word, kept apart per effect.
    intptr_t dataWord;
    // 1 when the command asks for settings ("..." in its menu text).
    int32_t flag;
};

BuiltinEffectRecord gTable[] = {
    {32820, "rubber.8bf", "ENTRYPOINT1", "ENTRYPOINT1", 0, 1},  // Rubber
    {32825, "rubber.8bf", "ENTRYPOINT2", "ENTRYPOINT1", 0, 1},  // Warp
    {32822, "rubber.8bf", "ENTRYPOINT3", "ENTRYPOINT1", 0, 1},  // Pinch
    {32823, "rubber.8bf", "ENTRYPOINT4", "ENTRYPOINT1", 0, 1},  // Punch
    {32821, "rubber.8bf", "ENTRYPOINT5", "ENTRYPOINT1", 0, 1},  // Page curl
    {32832, "rubber.8bf", "ENTRYPOINT6", "ENTRYPOINT1", 0, 1},  // Random
    {32826, "rubber.8bf", "ENTRYPOINT10", "ENTRYPOINT1", 0, 1}, // Whirl
    {32827, "rubber.8bf", "ENTRYPOINT11", "ENTRYPOINT1", 0, 1}, // Wave
    {32833, "rubber.8bf", "ENTRYPOINT12", "ENTRYPOINT1", 0, 1}, // Explosions
    {32834, "rubber.8bf", "ENTRYPOINT13", "ENTRYPOINT1", 0, 1}, // Collapses
    {32824, "rubber.8bf", "ENTRYPOINT14", "ENTRYPOINT1", 0, 1}, // Perspective
    {32811, "ovartg.8bf", "ENTRYPOINT", "ENTRYPOINT", 0, 1},    // 3d mosaic
    {32812, "ovartg.8bf", "ENTRYPOINT1", "ENTRYPOINT", 0, 1},   // Automatic brush
    {32837, "ovartg.8bf", "ENTRYPOINT2", "ENTRYPOINT", 0, 0},   // Canvas
    {32809, "ovartg.8bf", "ENTRYPOINT3", "ENTRYPOINT", 0, 1},   // Emboss
    {32813, "ovartg.8bf", "ENTRYPOINT4", "ENTRYPOINT", 0, 1},   // Engrave
    {32807, "ovartg.8bf", "ENTRYPOINT5", "ENTRYPOINT", 0, 1},   // Faceted glass
    {32810, "ovartg.8bf", "ENTRYPOINT6", "ENTRYPOINT", 0, 1},   // Graphic pen
    {32805, "ovartg.8bf", "ENTRYPOINT7", "ENTRYPOINT", 0, 0},   // Hand drawing
    {32815, "ovartg.8bf", "ENTRYPOINT8", "ENTRYPOINT", 0, 1},   // Oil paint
    {32814, "ovartg.8bf", "ENTRYPOINT9", "ENTRYPOINT", 0, 1},   // Note paper
    {32838, "ovartg.8bf", "ENTRYPOINT10", "ENTRYPOINT", 0, 0},  // Cracks
    {32840, "ovartg.8bf", "ENTRYPOINT11", "ENTRYPOINT", 0, 0},  // Padding
    {32839, "ovartg.8bf", "ENTRYPOINT12", "ENTRYPOINT", 0, 0},  // Mosaic texture
    {32817, "ovartg.8bf", "ENTRYPOINT13", "ENTRYPOINT", 0, 1},  // Relief
    {32806, "ovartg.8bf", "ENTRYPOINT14", "ENTRYPOINT", 0, 1},  // Scatter
    {32818, "ovartg.8bf", "ENTRYPOINT15", "ENTRYPOINT", 0, 1},  // Strokes
    {32808, "Fxrun.8bf", "ENTRYPOINT", "ENTRYPOINT", 0, 1},     // Mosaic
    {32793, "Fxrun.8bf", "ENTRYPOINT1", "ENTRYPOINT", 0, 1},    // Clean background
    {32790, "Fxrun.8bf", "ENTRYPOINT2", "ENTRYPOINT", 0, 1},    // Brightness & contrast
    {32791, "Fxrun.8bf", "ENTRYPOINT3", "ENTRYPOINT", 0, 1},    // Color
    {32794, "Fxrun.8bf", "ENTRYPOINT4", "ENTRYPOINT", 0, 1},    // Red eye
    {32792, "Fxrun.8bf", "ENTRYPOINT5", "ENTRYPOINT", 0, 1},    // Focus
    {32816, "Fxrun.8bf", "ENTRYPOINT6", "ENTRYPOINT", 0, 1},    // Solarize
    {32869, "Fxrun.8bf", "ENTRYPOINT7", "ENTRYPOINT", 0, 1},    // Smart tune
    {32868, "Edges.8bf", "ENTRYPOINT1", "ENTRYPOINT1", 0, 1},   // Edges
    {-1, "", "", "", 0, 0},                                     // end row
};

constexpr int kRows = int(sizeof(gTable) / sizeof(gTable[0])) - 1;

} // namespace

const BuiltinEffectRange kBuiltinEffectRanges[6] = {
    {32790, 32794}, {32805, 32818}, {32820, 32827}, {32832, 32834}, {32837, 32840}, {32868, 32869},
};

int FindBuiltinEffect(int32_t command, std::string* module, std::string* entry1, std::string* entry2,
                      intptr_t** dataWord, int32_t* flag)
{
    // The end row is never examined, so -1 is no command.
    for (int i = kRows - 1; i >= 0; --i) {
        BuiltinEffectRecord& row = gTable[i];
        if (row.command != command)
            continue;
        if (module)
            *module = row.module;
        if (entry1)
            *entry1 = row.entry1;
        if (entry2)
            *entry2 = row.entry2;
        if (dataWord)
            *dataWord = &row.dataWord;
        if (flag)
            *flag = row.flag;
        return 1;
    }
    return 0;
}

int BuiltinEffectCount()
{
    return kRows;
}

int32_t BuiltinEffectCommand(int i)
{
    return i >= 0 && i < kRows ? gTable[i].command : -1;
}
