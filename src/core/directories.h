#pragma once

#include <string>

// The program's folders, computed once at start-up; each ends with a separator.
struct Directories {
    std::string appDir;        // the program's own read-only files: help, tables, shipped data
    std::string sharedDataDir; // archive of draws, smorfia, backups and downloads
    std::string userDataDir;   // defaults files of the reduction windows
    std::string reducersDir;   // userDataDir + "Riduttori"
};
