#include "WindowPlacement.h"

#include "SafeFile.h"
#include "VrxError.h"

#include <cstdio>

std::optional<TWindowPlacement> ReadWindowPlacement(const IniFile& ini) {
    const auto pos = ini.Read(kPlacementSection, "NormalPos");
    if (!pos)
        return std::nullopt;
    TWindowPlacement p;
    if (std::sscanf(pos->c_str(), "%d,%d,%d,%d", &p.Left, &p.Top, &p.Right, &p.Bottom) != 4)
        return std::nullopt;
    p.Flags = ini.ReadInteger(kPlacementSection, "Flags", 0);
    p.ShowCmd = ini.ReadInteger(kPlacementSection, "ShowCmd", 1);
    p.PixelsPerInch = ini.ReadInteger(kPlacementSection, "PixelsPerInch", 0);
    p.Color = ini.ReadInteger(kPlacementSection, "Color", 0);
    return p;
}

void WriteWindowPlacement(IniFile& ini, const TWindowPlacement& p) {
    ini.Write(kPlacementSection, "Flags", std::to_string(p.Flags));
    ini.Write(kPlacementSection, "ShowCmd", std::to_string(p.ShowCmd));
    ini.Write(kPlacementSection, "NormalPos",
              std::to_string(p.Left) + "," + std::to_string(p.Top) + "," + std::to_string(p.Right) +
                  "," + std::to_string(p.Bottom));
    ini.Write(kPlacementSection, "PixelsPerInch", std::to_string(p.PixelsPerInch));
    ini.Write(kPlacementSection, "Color", std::to_string(p.Color));
}

void SaveWindowPlacement(const std::string& settingsPath, const TWindowPlacement& placement) {
    const auto existing = ReadWholeFile(settingsPath);
    if (!existing && FileExists(settingsPath))
        throw TVrxError("Unable to write to " + settingsPath);
    IniFile ini(existing.value_or(""));
    WriteWindowPlacement(ini, placement);
    if (const auto reason = TryWriteFileSafely(settingsPath, ini.ToBytes()))
        throw TVrxError("Unable to write to " + settingsPath + "\n" + *reason);
}
