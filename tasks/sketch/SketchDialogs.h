// The dialogs the sketch's editing operations start: the bitmap and
// metafile choosers, the font dialog (which belongs to the module's tool
// dialogs and is handed in by them), and the repaint of the active view
// after a filler took a new picture.
#pragma once

#include <functional>
#include <optional>
#include <string>

// The open-file dialog for a bitmap ("*.bmp") or a metafile ("*.wmf");
// the chosen file, or nothing for Cancel.
std::optional<std::string> SketchChooseBitmapFile();
std::optional<std::string> SketchChooseMetafile();

// What the font dialog is given and gives back.
struct SketchFontChoice {
    std::string face;
    bool italic = false;
    bool bold = false;
    std::string sample;
};

// Runs the font dialog over choice; true when the user pressed OK (choice
// then holds the new face and style).
using SketchFontDialogRunner = std::function<bool(SketchFontChoice& choice)>;
// Installs the runner (the module installs its font dialog, tests their
// answers); returns the previous one. Without one the dialog is cancelled.
SketchFontDialogRunner SetSketchFontDialogRunner(SketchFontDialogRunner runner);
bool SketchRunFontDialog(SketchFontChoice& choice);

// Repaints the active view of the main frame, erasing it.
void SketchInvalidateActiveView();
