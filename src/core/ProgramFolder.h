// Where the program keeps its settings, parameter sets and (by default) its job files.
#pragma once

#include <string>

struct ProgramFolderInputs {
    std::string vrxlinkHome;   // $VRXLINK_HOME, may be empty
    std::string executableDir; // folder of the running executable
    std::string xdgDataHome;   // $XDG_DATA_HOME, may be empty
    std::string home;          // $HOME
};

// $VRXLINK_HOME when set; else the executable's folder when writable; else
// $XDG_DATA_HOME/vrxlink (or ~/.local/share/vrxlink), created when missing.
// The result ends with a path separator.
std::string ResolveProgramFolder(const ProgramFolderInputs& inputs);

// Makes the program folder the process's current folder, so relative data folders and the
// start-up clean-up stay inside it. Returns false when it cannot be entered.
bool EnterProgramFolder(const std::string& folder);

// Deletes the files matching "*.<extension>" (any letter case) in the current folder;
// failures are ignored.
void DeleteFilesWithExtension(const std::string& extension);
