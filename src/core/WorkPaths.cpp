#include "core/WorkPaths.h"

#include <QString>

#include "platform/Codec.h"

namespace core {

namespace fs = std::filesystem;

namespace {

// A letter of the Windows-1251 page: ASCII, Cyrillic with Ґ and Ў, µ and the like.
bool isAnsiLetter(QChar ch) {
    if (!ch.isLetter()) return false;
    if (ch.unicode() < 0x80) return true;
    std::string byte = platform::utf8ToCp1251(QString(ch).toStdString(), platform::Unmappable::QuestionMark);
    return byte.size() == 1 && byte != "?";
}

}  // namespace

std::string classDirectoryName(const std::string& latinName) {
    QString in = QString::fromStdString(latinName);
    QString out;
    out.reserve(in.size());
    for (QChar ch : in) {
        ushort u = ch.unicode();
        bool kept = (u < 0x80 && (ch.isDigit() || u == ' ' || u == '_')) || isAnsiLetter(ch);
        out += kept ? ch : QChar('_');
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
