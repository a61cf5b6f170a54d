#include "site/SiteSkeleton.h"

#include "core/WorkPaths.h"

namespace site {

namespace fs = std::filesystem;

void checkDirectories(core::Settings& settings, db::CFishesDoc& doc,
                      const std::function<void(const std::string&)>& progress) {
    if (progress) progress("Check directories...");
    if (settings.Install != 0) return;
    std::error_code ec;
    fs::create_directories(settings.Application_path, ec);
    for (const char* dir : {"\\Reports", "\\Other", "\\Classes", "\\Bulletin"})
        fs::create_directory(core::workPath(settings.Application_path, dir), ec);
    db::Fish& taxa = *doc.taxa;
    taxa.setFilter("Classific=262144");
    taxa.requery();
    while (!taxa.isEOF()) {
        if (progress) progress("Create directory " + taxa.m_Lat_name);
        fs::path dir = core::workPath(settings.Application_path, "\\Classes\\" + core::classDirectoryName(taxa.m_Lat_name));
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

}  // namespace site
