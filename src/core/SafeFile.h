// Reading whole files and saving them safely: a save goes to a temporary file in the same
// folder, is flushed to disk and renamed over the old file, so a failed save leaves the
// previous file whole.
#pragma once

#include <optional>
#include <string>

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// The system's reason when the file cannot be written, else nothing.
std::optional<std::string> TryWriteFileSafely(const std::string& path, const std::string& bytes);

// Throws TVrxError "Unable to save <file>: <reason>" when the file cannot be written.
void WriteFileSafely(const std::string& path, const std::string& bytes);

bool FileExists(const std::string& path);

// The system's text for an errno value.
std::string SystemErrorText(int err);
