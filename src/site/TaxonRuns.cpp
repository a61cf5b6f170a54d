#include "site/TaxonRuns.h"

namespace site {

ChildReader::ChildReader(db::CFishesDoc& doc) : rows_(*doc.db) { rows_.setSort("Lat_name"); }

ChildReader::~ChildReader() = default;

std::vector<catalogue::Taxon> ChildReader::of(const catalogue::Taxon& node) {
    const std::string cod = std::to_string(node.cod);
    rows_.setFilter("Cod<>" + cod + " AND Of_cod=" + cod +
                    " AND Classific<>" + std::to_string(node.classific + catalogue::kSynonymOffset));
    rows_.requery();
    std::vector<catalogue::Taxon> children;
    children.reserve(rows_.rowCount());
    for (; !rows_.isEOF(); rows_.moveNext()) children.push_back(catalogue::taxonOf(rows_));
    return children;
}

std::vector<catalogue::Taxon> taxaOfLevel(db::CFishesDoc& doc, std::int32_t level) {
    db::Fish rows(*doc.db);
    rows.setSort("Lat_name");
    rows.setFilter("Classific=" + std::to_string(level));
    rows.requery();
    std::vector<catalogue::Taxon> taxa;
    taxa.reserve(rows.rowCount());
    for (; !rows.isEOF(); rows.moveNext()) taxa.push_back(catalogue::taxonOf(rows));
    return taxa;
}

}  // namespace site
