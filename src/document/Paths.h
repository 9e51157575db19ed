#pragma once
// Folder paths of the program. Folders always end with one separator.

#include <QString>

// The path unchanged when it ends with a separator, else the path followed by one.
QString AddBackslash(const QString& path);

// The folder of the program file, with a trailing separator; "Wav/" and "help/" live beside it.
QString ProgramFolder();

// The last path component (file name) and everything before it (folder, with its separator).
QString FileNameOf(const QString& path);
QString FolderOf(const QString& path);
