// Rendering a palette tool's preview: the tool applied to the whole of the
// previews' picture (LdImageSourcePath), kept in the item as a packed 24-bit
// DIB. A picture that cannot be read is reported once, and a chosen picture
// gives way to the program's own; every failure keeps the previous preview.
#pragma once

#include <string>

class CLdPaletteItem;
class CLdPaletteLayout;

bool LdRenderPreview(CLdPaletteItem& item);
// Renders again with the application's current colours (an effect's tool
// asks for its parameters again); a failure gives the item back its colours
// and parameters.
bool LdUpdateImage(CLdPaletteItem& item, uint32_t background, uint32_t foreground);
// Makes path the previews' picture and renders every tool of layout from
// it; a picture that cannot be read is reported for the first tool only
// (a chosen one gives way to the program's own), and a tool that cannot be
// rendered keeps its preview.
void LdRenderAllPreviews(CLdPaletteLayout& layout, const std::string& path);
