// The main window's remembered placement, kept in the [MainForm] section of the settings
// file: position and state are restored, never the size, and only at the same resolution.
#pragma once

#include "IniFile.h"

#include <optional>

struct TWindowPlacement {
    int Flags = 0;
    int ShowCmd = 1; // 2 or 6 minimised, 3 maximised, else normal
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int PixelsPerInch = 96;
    int Color = 0;

    bool Minimised() const { return ShowCmd == 2 || ShowCmd == 6; }
    bool Maximised() const { return ShowCmd == 3; }
};

inline constexpr const char* kPlacementSection = "MainForm";

// The stored placement when there is one with a readable position.
std::optional<TWindowPlacement> ReadWindowPlacement(const IniFile& ini);
void WriteWindowPlacement(IniFile& ini, const TWindowPlacement& placement);

// Writes the placement into the settings file, keeping every other line; throws TVrxError.
void SaveWindowPlacement(const std::string& settingsPath, const TWindowPlacement& placement);
