// The page "m%lu.html" of one taxon inside a class: names, parent and
// children, synonyms, pictures by stage and the taxon's card, habitats,
// description and links. Fish-class taxa get the animal card; every other
// class the plant card.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "catalogue/Taxonomy.h"
#include "db/CFishesDoc.h"
#include "site/PageSkeleton.h"
#include "site/PictureFiles.h"

namespace site {

// The level table held for a run of pages.
class LevelNames {
public:
    explicit LevelNames(db::CFishesDoc& doc);
    // Column Type; empty for an unknown level.
    std::string english(std::int32_t level) const;
    // The name in an interface language (0 English, 1 Russian).
    std::string label(std::int32_t level, int language) const;

private:
    std::map<std::int32_t, std::pair<std::string, std::string>> names_;
};

// Page name of a taxon: Lat_name, a blank, the author (none when ", " or for
// a class), and " (" + English common name + ")" when it has one.
std::string pageNameLine(db::CFishesDoc& doc, const catalogue::Taxon& taxon);

// The pages written by the main page's run (the taxa at and above the class
// level) differ from the catalogue's: the level name of the level table,
// "Egg:", "Push to spawning" and a survey image that leads to the main page.
enum class TaxonPageStyle { Catalogue, MainPageRun };

// Writes species pages; pictures are read from disk once per class for the
// life of the object, so keep one for one command or one run.
class SpeciesPages {
public:
    SpeciesPages(db::CFishesDoc& doc, const SiteEnv& env);
    ~SpeciesPages();

    // Folder + "\m%lu.html" on disk; empty when the class is unknown.
    std::filesystem::path pagePath(const catalogue::Taxon& taxon);
    // The class directory below the work directory ("\Classes\Pisces").
    std::string classDirectory(const catalogue::Taxon& taxon);
    // Where the taxon's page stands: "\Classes" above the class level, its
    // class directory otherwise.
    std::string folderOf(const catalogue::Taxon& taxon);

    // Writes the page of a taxon. levelLabel is the level's name as the
    // catalogue shows it; empty takes it from the level table in the
    // interface language. False when the taxon or its class is unknown or
    // the page could not be written.
    bool write(std::int32_t cod, const std::string& levelLabel = std::string(),
               TaxonPageStyle style = TaxonPageStyle::Catalogue);
    // Writes the page again only when its file already exists.
    bool rewriteIfExists(std::int32_t cod);

private:
    struct Body;
    struct Place;
    PictureIndex& picturesOf(const std::string& imagesDir);
    std::string bodyOf(const catalogue::Taxon& taxon, Group group, const Place& place);
    // A habitat's name, or none when it no longer exists; each read once a run.
    const std::optional<std::string>& habitatName(std::uint32_t code);

    db::CFishesDoc& doc_;
    const SiteEnv& env_;
    LevelNames levels_;
    std::map<std::int32_t, std::string> classDirs_;
    std::map<std::string, std::unique_ptr<PictureIndex>> pictures_;
    std::unordered_map<std::uint32_t, std::optional<std::string>> habitatNames_;
};

}  // namespace site
