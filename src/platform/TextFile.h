// Text files of the generated site: Windows-1251, lines ending in CR LF.
// A file being written goes to a temporary file in the same folder and
// replaces the old one only when complete, so a failed write leaves the old
// file as it was.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Codec.h"

namespace platform {

class TextFileWriter {
public:
    explicit TextFileWriter(Unmappable mode = Unmappable::CharacterReference) : mode_(mode) {}
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    // False when the temporary file cannot be created.
    bool open(const std::filesystem::path& target);
    // Writes UTF-8 text converted; "\n" becomes CR LF.
    void write(const std::string& utf8);
    void writeLine(const std::string& utf8) { write(utf8 + "\n"); }
    // Writes bytes as they are (template lines already in the file's code page).
    void writeRaw(const std::string& bytes);
    // Renames the finished file over the target; false (old file kept) on any failure.
    bool commit();
    // Drops the temporary file.
    void abandon();
    bool isOpen() const { return file_ != nullptr; }

private:
    Unmappable mode_;
    std::filesystem::path target_, temp_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

// Reads a Windows-1251 file into UTF-8 lines without their line ends.
bool readCp1251Lines(const std::filesystem::path& file, std::vector<std::string>& lines);

// Reads a file's bytes; false when it cannot be opened.
bool readBytes(const std::filesystem::path& file, std::string& bytes);

}  // namespace platform
