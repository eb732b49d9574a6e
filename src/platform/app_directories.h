#pragma once

#include "core/directories.h"

#include <QString>

// The program's folders, each ending with '/', computed once at start-up:
//  - appDir: the read-only files (help, tables, shipped data). In the build tree they sit next to
//    the executable; installed, in <prefix>/share/sestavia. The build tree is recognised by
//    help/html/index.htm next to the executable.
//  - sharedDataDir: $XDG_DATA_HOME (default ~/.local/share) + "Sestavia/".
//  - userDataDir: $XDG_CONFIG_HOME (default ~/.config) + "Sestavia/", and its "Riduttori/".
// The data folders are created with their parents; a folder that cannot be obtained or created
// falls back to appDir, so the program still finds a place for its files.
Directories ComputeDirectories(const QString& executableDir);

// Creates the folder with all missing parents; true when it exists afterwards.
bool EnsureFolder(const QString& path);
