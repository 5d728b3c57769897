#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A set list that could not be read or written, with the file's name and the system's reason.
class TSetListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A set list file holds one entry a line, in UTF-8, as people write it by
// hand: lines end in LF or CR LF (a lone CR too), a BOM at the start is
// skipped, and lines that hold only spaces and tabs are left out. Every
// other line is an entry, kept byte for byte.
std::vector<std::string> ParseSetListText(std::string_view text);
// The entries as a file holds them: UTF-8 without a BOM, each line ended by LF.
std::string SetListText(const std::vector<std::string>& entries);

// Throws TSetListError naming the file.
std::vector<std::string> ReadSetListFile(const std::string& path);
// The file is replaced only once the new one is complete and on disk.
void WriteSetListFile(const std::string& path, const std::vector<std::string>& entries);
