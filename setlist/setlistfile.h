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

// A set list file holds one entry a line, as people write it by hand: in
// UTF-8, or in UTF-16 with its byte order mark (a Windows editor's
// "Unicode"); a line that is not UTF-8 is read as code page 1250 (its
// "ANSI" for Hungarian). Lines end in LF or CR LF (a lone CR too), a BOM is
// skipped (at the start of any line: files get joined), and lines that hold
// only spaces and tabs are left out. Every other line is an entry, kept as
// it is, in UTF-8.
std::vector<std::string> ParseSetListText(std::string_view bytes);
// The entries as a file holds them: UTF-8 without a BOM, each line ended by LF.
std::string SetListText(const std::vector<std::string>& entries);

// Throws TSetListError naming the file.
std::vector<std::string> ReadSetListFile(const std::string& path);
// The file is replaced only once the new one is complete and on disk.
void WriteSetListFile(const std::string& path, const std::vector<std::string>& entries);
