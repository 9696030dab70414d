// Record paths in an album file are kept relative to the album's folder
// when the picture lies in it or below it, so that an album moved together
// with its pictures still finds them. In memory every path is absolute.
#pragma once

#include <string>

// The folder of an album file with its trailing separator ("/alb/" for
// "/alb/x.ova"); empty for an album without a path or folder.
std::string AlbumBaseFolder(const std::string& albumPath);

// True for a path that needs no folder put in front: a rooted path, and the
// absolute forms of albums written on the system's home platform (a drive
// "C:\" or a share "\\server").
bool IsAbsoluteRecordPath(const std::string& path);

// The path as stored: without base when it begins with base (exact, case-
// sensitive comparison), otherwise unchanged. A name under base that would
// read back as absolute (a folder here may be named "c:" or "\\srv") or
// that starts with "./" itself is stored after a "./".
std::string StoredRecordPath(const std::string& path, const std::string& base);

// The path as loaded: base put in front when it is not absolute, a leading
// "./" taking the place of base.
std::string LoadedRecordPath(const std::string& stored, const std::string& base);

// The album's name for titles: the file name without folder and extension.
std::string AlbumTitleOf(const std::string& albumPath);
