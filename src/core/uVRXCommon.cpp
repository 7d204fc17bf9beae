#include "uVRXCommon.h"

#include "IniFile.h"
#include "SafeFile.h"
#include "VrxError.h"

#include <cerrno>

TConfigRecord Config;
std::string ExeDir;
std::string ButtonOk;
std::string ButtonYes;
std::string ButtonNo;
std::string ButtonCancel;
const std::array<std::string, 4> DeviceModels = {"KX250", "VELA", "VELAREF", "VELAXT"};
std::array<std::string, 4> BatteryNames;

std::string SettingsFilePath() {
    return ExeDir + kSettingsFileName;
}

TConfigRecord ReadSettingsFrom(const std::string& bytes) {
    const IniFile ini(bytes);
    TConfigRecord c;
    c.Prefix = ini.ReadString("Job File", "PREFIX", "JOB");
    c.Base = ini.ReadString("Job File", "BASE", "YYMMDD");
    c.Suffix = ini.ReadString("Job File", "SUFFIX", "9999");
    c.JobCode = ini.ReadString("Defaults", "JOBCODE", "");
    c.SiteName = ini.ReadString("Defaults", "SITENAME", "");
    c.StationCode = ini.ReadString("Defaults", "STATIONCODE", "");
    c.Operators = ini.ReadString("Defaults", "OPERATORS", "");
    c.User1 = ini.ReadString("Defaults", "USER1", "");
    c.User2 = ini.ReadString("Defaults", "USER2", "");
    c.Language = ini.ReadInteger("Settings", "LANGUAGE", 0);
    c.JobDir = ini.ReadString("Settings", "JOBDIR", "JOBS");
    c.Port = ini.ReadInteger("Settings", "PORT", 0);
    c.Theme = ini.ReadInteger("Settings", "THEME", 0);
    c.HelpEnglish = ini.ReadString("Help", "ENGLISH", "");
    c.HelpSpanish = ini.ReadString("Help", "SPANISH", "");
    return c;
}

void LoadSettings() {
    Config = ReadSettingsFrom(ReadWholeFile(SettingsFilePath()).value_or(""));
}

std::string WriteSettingsInto(const std::string& existingBytes, const TConfigRecord& c) {
    IniFile ini(existingBytes);
    ini.Write("Job File", "PREFIX", c.Prefix);
    ini.Write("Job File", "BASE", c.Base);
    ini.Write("Job File", "SUFFIX", c.Suffix);
    ini.Write("Defaults", "JOBCODE", c.JobCode);
    ini.Write("Defaults", "SITENAME", c.SiteName);
    ini.Write("Defaults", "STATIONCODE", c.StationCode);
    ini.Write("Defaults", "OPERATORS", c.Operators);
    ini.Write("Defaults", "USER1", c.User1);
    ini.Write("Defaults", "USER2", c.User2);
    ini.Write("Settings", "LANGUAGE", std::to_string(c.Language));
    ini.Write("Settings", "JOBDIR", c.JobDir);
    ini.Write("Settings", "PORT", std::to_string(c.Port));
    ini.Write("Settings", "THEME", std::to_string(c.Theme));
    return ini.ToBytes();
}

void SaveSettings() {
    const std::string path = SettingsFilePath();
    // A file that exists but cannot be read is not replaced: its other lines would be lost.
    const auto existing = ReadWholeFile(path);
    if (!existing && FileExists(path))
        throw TVrxError("Unable to write to " + path + "\n" + SystemErrorText(EACCES));
    if (const auto reason =
            TryWriteFileSafely(path, WriteSettingsInto(existing.value_or(""), Config)))
        throw TVrxError("Unable to write to " + path + "\n" + *reason);
}

void ResetSharedTexts() {
    ButtonOk = "Ok";
    ButtonYes = "Yes";
    ButtonNo = "No";
    ButtonCancel = "Cancel";
    BatteryNames = {"Lithium Ion", "Lead Acid", "NiMH", "Alkaline"};
}
