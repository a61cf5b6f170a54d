#include "core/WorkPaths.h"

#include <QString>

namespace core {

namespace fs = std::filesystem;

std::string classDirectoryName(const std::string& latinName) {
    QString in = QString::fromStdString(latinName);
    QString out;
    out.reserve(in.size());
    for (QChar ch : in) {
        ushort u = ch.unicode();
        bool ascii = u < 0x80 && (ch.isLetterOrNumber() || u == ' ' || u == '_');
        bool cyrillic = u >= 0x0400 && u <= 0x045F && ch.isLetter();  // letters of the 1251 page
        out += ascii || cyrillic ? ch : QChar('_');
    }
    return out.toStdString();
}

fs::path workPath(const std::string& workDir, const std::string& backslashPath) {
    std::string rel = backslashPath;
    for (char& c : rel)
        if (c == '\\') c = '/';
    while (!rel.empty() && rel.front() == '/') rel.erase(rel.begin());
    return fs::path(workDir) / rel;
}

}  // namespace core
