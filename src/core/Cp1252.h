// The one meeting point of Windows-1252 bytes (files, settings, the serial line) and
// UTF-8 (language tables, the windows). Windows convert here and nowhere else.
#pragma once

#include <string>
#include <string_view>

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters without a Windows-1252 byte become "?".
std::string Utf8ToCp1252(std::string_view utf8);
