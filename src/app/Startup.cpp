#include "app/Startup.h"

#include <QString>

namespace app {

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

void checkDirectories(Settings& settings, db::CFishesDoc& doc,
                      const std::function<void(const std::string&)>& progress) {
    if (progress) progress("Check directories...");
    if (settings.Install != 0) return;
    std::error_code ec;
    fs::create_directories(settings.Application_path, ec);
    for (const char* dir : {"\\Reports", "\\Other", "\\Classes", "\\Bulletin"})
        fs::create_directory(workPath(settings.Application_path, dir), ec);
    db::Fish& taxa = *doc.taxa;
    taxa.setFilter("Classific=262144");
    taxa.requery();
    while (!taxa.isEOF()) {
        if (progress) progress("Create directory " + taxa.m_Lat_name);
        fs::path dir = workPath(settings.Application_path, "\\Classes\\" + classDirectoryName(taxa.m_Lat_name));
        fs::create_directory(dir, ec);
        fs::create_directory(dir / "Images", ec);
        taxa.moveNext();
    }
    settings.Install = 1;
}

int copySiteSkeleton(const fs::path& skeleton, const fs::path& workDir) {
    int copied = 0;
    std::error_code ec;
    if (!fs::is_directory(skeleton, ec)) return 0;
    for (fs::recursive_directory_iterator it(skeleton, ec), end; !ec && it != end; it.increment(ec)) {
        fs::path rel = fs::relative(it->path(), skeleton, ec);
        fs::path target = workDir / rel;
        std::error_code e2;
        if (it->is_directory(e2)) {
            fs::create_directories(target, e2);
        } else if (!fs::exists(target, e2)) {
            fs::create_directories(target.parent_path(), e2);
            if (fs::copy_file(it->path(), target, e2)) ++copied;
        }
    }
    return copied;
}

}  // namespace app
