#pragma once
// Folder paths of the program. Folders always end with one separator.

#include <QString>

// The path unchanged when it ends with a separator, else the path followed by one.
QString AddBackslash(const QString& path);

// The folder of the program's own files, "Wav/" and "help/", with a trailing separator: beside the
// program file in the build tree; once installed, the installation's data folder
// (share/daybinder/ of the prefix the program runs from).
QString ProgramFolder();

// The folder of the program's loadable modules once installed: lib/<architecture>/daybinder/ of
// its prefix.
QString ModuleFolder();

// The last path component (file name) and everything before it (folder, with its separator).
QString FileNameOf(const QString& path);
QString FolderOf(const QString& path);
