// Hands a picture of the album to the editor: to the running editor that
// started the album, over the editor's instance channel, or else by starting
// the editor with the picture. Two forms, as the editor takes them: the
// picture as a dropped file ("Open Picture to Edit"), and the copy-data
// record {kind 563, 260 bytes holding the path} (a double-click on a
// thumbnail). The editor brings its own window to the top when it gets one.
#pragma once

#include <cstdint>
#include <string>

class ProgramLauncher;

class EditorHandOver {
public:
    static constexpr const char* kEditorProgram = "Telvy12";
    static constexpr uint32_t kCopyDataKind = 563;
    static constexpr size_t kCopyDataBytes = 260;

    enum class Result { Handed, Started, NotStarted };

    // editorPath: the editor program started when no editor runs.
    EditorHandOver(ProgramLauncher& launcher, std::string editorPath);

    // The editor's process id, 0 for none.
    void SetEditor(int64_t pid) { editor_ = pid; }
    int64_t GetEditor() const { return editor_; }
    // An editor is known and its instance still listens.
    bool EditorExists() const;

    Result DropPicture(const std::string& path);
    Result SendPicture(const std::string& path);

    // The 260-byte block of the copy-data record: the path, its NUL and zero
    // fill; empty when the path does not fit.
    static std::string CopyDataBlock(const std::string& path);

private:
    Result StartEditor(const std::string& path);

    ProgramLauncher& launcher_;
    std::string editorPath_;
    int64_t editor_ = 0;
};
