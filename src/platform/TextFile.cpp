#include "platform/TextFile.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

TextFileWriter::~TextFileWriter() { abandon(); }

bool TextFileWriter::open(const fs::path& target) {
    abandon();
    target_ = target;
    temp_ = target;
    temp_ += ".tmp" + std::to_string(::getpid());
    file_ = std::fopen(temp_.c_str(), "wb");
    failed_ = false;
    return file_ != nullptr;
}

void TextFileWriter::writeRaw(const std::string& bytes) {
    if (!file_) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
}

void TextFileWriter::write(const std::string& utf8) {
    std::string text = utf8ToCp1251(utf8, mode_);
    std::string crlf;
    crlf.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) crlf += '\r';
        crlf += text[i];
    }
    writeRaw(crlf);
}

bool TextFileWriter::commit() {
    if (!file_) return false;
    bool ok = !failed_ && std::fflush(file_) == 0 && !std::ferror(file_);
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    std::error_code ec;
    if (ok) fs::rename(temp_, target_, ec);
    if (!ok || ec) {
        fs::remove(temp_, ec);
        return false;
    }
    return true;
}

void TextFileWriter::abandon() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    std::error_code ec;
    fs::remove(temp_, ec);
}

bool readBytes(const fs::path& file, std::string& bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    bytes = s.str();
    return true;
}

bool readCp1251Lines(const fs::path& file, std::vector<std::string>& lines) {
    std::string bytes;
    if (!readBytes(file, bytes)) return false;
    lines.clear();
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(cp1251ToUtf8(line));
        pos = end + 1;
    }
    return true;
}

}  // namespace platform
