// The synonyms of one taxon as the lines of a list, in Lat_name order, and
// adding, renaming and deleting them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/TaxonEditing.h"

namespace catalogue {

class SynonymList {
public:
    // label is the name of the taxon's level as its catalogue row shows it.
    SynonymList(db::CFishesDoc& doc, int language, const Taxon& accepted, const std::string& label);

    // "Synonyms for " + label + " " + Lat_name.
    const std::string& caption() const { return caption_; }
    // "New synonym for " + label + " " + Lat_name.
    std::string newHeading() const;
    std::string editHeading(std::size_t line) const;

    const std::vector<std::string>& lines() const { return lines_; }
    const std::vector<Taxon>& synonyms() const { return synonyms_; }
    NameFields fieldsOf(std::size_t line) const;

    // Each returns the line of the new or renamed synonym; nothing when the
    // fields hold no Latin name.
    std::optional<std::size_t> add(const NameFields& fields);
    std::optional<std::size_t> edit(std::size_t line, const NameFields& fields);
    // The synonym goes with its common names.
    void remove(std::size_t line);

private:
    void read();
    std::string lineOf(const Taxon& synonym);

    db::CFishesDoc& doc_;
    int language_;
    Taxon accepted_;
    std::string caption_;
    std::vector<Taxon> synonyms_;
    std::vector<std::string> lines_;
};

}  // namespace catalogue
