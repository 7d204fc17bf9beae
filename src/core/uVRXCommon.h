// The program's settings record and the few globals that several windows share. Text
// fields hold the settings file's 8-bit bytes as read; windows convert them for display.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct TConfigRecord {
    std::string Prefix;
    std::string Base;
    std::string Suffix;
    std::string JobCode;
    std::string SiteName;
    std::string StationCode;
    std::string Operators;
    std::string User1;
    std::string User2;
    int32_t Language = 0;
    std::string JobDir;
    int32_t Port = 0;
    int32_t Theme = 0;
    std::string HelpEnglish;
    std::string HelpSpanish;

    bool operator==(const TConfigRecord&) const = default;
};

extern TConfigRecord Config;
// The program folder, with a trailing separator; the settings file lives there.
extern std::string ExeDir;
extern std::string ButtonOk;
extern std::string ButtonYes;
extern std::string ButtonNo;
extern std::string ButtonCancel;
extern const std::array<std::string, 4> DeviceModels;
extern std::array<std::string, 4> BatteryNames;

inline constexpr const char* kSettingsFileName = "VRXLink.INI";
inline constexpr const char* kProgramVersion = "1.1.0.3";

std::string SettingsFilePath();

// Reads every field from the settings file with its default; a missing file gives the
// defaults and is not created.
void LoadSettings();
TConfigRecord ReadSettingsFrom(const std::string& bytes);

// Writes the thirteen editable fields into the settings file, keeping every other line.
// Throws TVrxError "Unable to write to <file>" when the file cannot be written.
void SaveSettings();
std::string WriteSettingsInto(const std::string& existingBytes, const TConfigRecord& config);

// The fixed English button captions and battery names, set again on every language change.
void ResetSharedTexts();
