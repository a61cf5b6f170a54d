// A page world with a fish catalogue for the surveys and the main page:
// rows added by code, level and parent, and the file helpers they need.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "SiteWorld.h"
#include "site/TaxonRuns.h"

namespace sitetest {

struct SurveyWorld : SiteWorld {
    void taxon(int cod, int level, const std::string& name, const std::string& author, int of, int cls = 14) {
        exec("INSERT INTO \"Reedmere\" (\"Cod\",\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") VALUES (" +
             std::to_string(cod) + ",'" + author + "'," + std::to_string(level) + ",'" + name + "'," +
             std::to_string(of) + "," + std::to_string(cls) + ")");
    }
    void common(int cod, const std::string& name, int language = 0) {
        exec("INSERT INTO \"Common\" (\"Of_fish\",\"Name\",\"Language\") VALUES (" + std::to_string(cod) + ",'" + name +
             "'," + std::to_string(language) + ")");
    }
    // The pages "m%lu.html" of a folder, sorted.
    std::vector<std::string> pagesIn(const fs::path& dir, const std::string& first = "m") const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) {
            const std::string n = e.path().filename().string();
            if (n.rfind(first, 0) == 0 && e.path().extension() == ".html") names.push_back(n);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    // Empty when a page has its expected bytes; otherwise where they part
    // (the written page is then kept beside the build for inspection).
    std::string differenceFrom(const fs::path& page, const std::string& expectedName) {
        const std::string got = bytesOf(page);
        const std::string want = bytesOf(expectedDir() / expectedName);
        if (got == want) return std::string();
        writeBytes(fs::current_path() / ("got_" + expectedName), got);
        std::size_t at = 0;
        while (at < got.size() && at < want.size() && got[at] == want[at]) ++at;
        return page.string() + " differs from " + expectedName + " at byte " + std::to_string(at) + ": got \"" +
               got.substr(at, 80) + "\" want \"" + want.substr(at, 80) + "\"";
    }
};

}  // namespace sitetest
