#include "album/app/EditorHandOver.h"

#include "album/app/ProgramLauncher.h"
#include "framework/InstanceChannel.h"

EditorHandOver::EditorHandOver(ProgramLauncher& launcher, std::string editorPath)
    : launcher_(launcher), editorPath_(std::move(editorPath))
{
}

bool EditorHandOver::EditorExists() const
{
    return editor_ > 0 && fw::InstanceChannel::IsRunning(kEditorProgram, editor_);
}

std::string EditorHandOver::CopyDataBlock(const std::string& path)
{
    if (path.size() >= kCopyDataBytes || path.find('\0') != std::string::npos)
        return {};
    std::string block(kCopyDataBytes, '\0');
    block.replace(0, path.size(), path);
    return block;
}

EditorHandOver::Result EditorHandOver::DropPicture(const std::string& path)
{
    // An editor that does not answer (it ended meanwhile) is as good as
    // none: the picture then goes to a new start of the editor.
    if (EditorExists() && fw::InstanceChannel::SendDropFiles(kEditorProgram, editor_, {path}))
        return Result::Handed;
    return StartEditor(path);
}

EditorHandOver::Result EditorHandOver::SendPicture(const std::string& path)
{
    if (!EditorExists())
        return StartEditor(path);
    // The record holds 260 bytes; a longer path would reach the editor cut
    // off, so it goes as a dropped file, which carries any length.
    const std::string block = CopyDataBlock(path);
    const bool handed = block.empty()
                            ? fw::InstanceChannel::SendDropFiles(kEditorProgram, editor_, {path})
                            : fw::InstanceChannel::SendCopyData(kEditorProgram, editor_, kCopyDataKind, block);
    return handed ? Result::Handed : StartEditor(path);
}

EditorHandOver::Result EditorHandOver::StartEditor(const std::string& path)
{
    return launcher_.Start(editorPath_, {path}) ? Result::Started : Result::NotStarted;
}
