#pragma once

#include <string>
#include <string_view>

// A title made fit to be one file name in a folder: every character that a
// file name cannot hold becomes '_', and a name that would mean a folder
// ("", ".", "..") becomes "_"; on Windows a device name ("CON", "nul.txt")
// gets a '_' after its stem. Works on UTF-8 and code page 1250 alike.
std::string SafeFileName(std::string_view title);

// What Windows refuses in a file name: / \ : * ? " < > |, NUL and the other
// control characters. A name without them is a file name on every system.
bool IsForbiddenOnWindows(char c);
// A name whose stem (up to the first '.') Windows takes for a device in any
// folder, in any letter case: "CON", "nul.txt", "Com1.a.b".
bool IsWindowsDeviceName(std::string_view name);
