// What the site's long runs share: how a run is told to stop and where it
// says which taxon it works on, and the children of a taxon read once.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/Taxonomy.h"
#include "db/CFishesDoc.h"

namespace site {

// Checked before each taxon; told the level label and name of each.
struct RunControl {
    std::function<bool()> stopRequested;               // empty: never stops
    std::function<void(const std::string&)> progress;  // empty: says nothing

    bool stopped() const { return stopRequested && stopRequested(); }
    void say(const std::string& text) const {
        if (progress) progress(text);
    }
};

// The children of taxa in table (Lat_name) order, the taxon's own synonyms
// and the taxon itself left out, each list read in one query into a copy
// the walk then goes through.
class ChildReader {
public:
    explicit ChildReader(db::CFishesDoc& doc);
    ~ChildReader();
    std::vector<catalogue::Taxon> of(const catalogue::Taxon& node);

private:
    db::Fish rows_;  // its own record object: the catalogue's stay where they are
};

// Every taxon of one level, in table order.
std::vector<catalogue::Taxon> taxaOfLevel(db::CFishesDoc& doc, std::int32_t level);

}  // namespace site
