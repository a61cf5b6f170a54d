#include "catalogue/SynonymList.h"

#include "catalogue/NameCheck.h"

namespace catalogue {

namespace {

constexpr std::size_t kCaptionTail = 8;  // "Synonyms" gives way to "New synonym"

std::string num(std::int64_t v) { return std::to_string(v); }

}  // namespace

SynonymList::SynonymList(db::CFishesDoc& doc, int language, const Taxon& accepted, const std::string& label)
    : doc_(doc), language_(language), accepted_(accepted), caption_("Synonyms for " + label + " " + accepted.latName) {
    read();
}

std::string SynonymList::newHeading() const { return "New synonym" + caption_.substr(kCaptionTail); }

std::string SynonymList::editHeading(std::size_t line) const {
    return "Edit synonym " + synonyms_.at(line).latName;
}

void SynonymList::read() {
    synonyms_.clear();
    db::Fish& t = *doc_.taxa;
    t.setFilter("Of_cod=" + num(accepted_.cod) + " AND Classific=" + num(std::int64_t(accepted_.classific) + kSynonymOffset));
    t.requery();
    for (; !t.isEOF(); t.moveNext()) synonyms_.push_back(taxonOf(t));
    lines_.clear();
    for (const Taxon& s : synonyms_) lines_.push_back(lineOf(s));
}

// The list is the English face of the synonyms, whatever the interface language.
std::string SynonymList::lineOf(const Taxon& synonym) {
    std::string line = synonym.latName;
    if (synonym.author != kNoAuthor && !synonym.author.empty()) line += " " + synonym.author;
    std::string english = commonName(doc_, synonym.cod, 0);
    if (!english.empty()) line += " (" + english + ")";
    return line;
}

NameFields SynonymList::fieldsOf(std::size_t line) const {
    const Taxon& s = synonyms_.at(line);
    NameFields f;
    f.latin = s.latName;
    f.common = commonName(doc_, s.cod, language_);
    splitAuthor(s.author, f.describer, f.year);
    return f;
}

std::optional<std::size_t> SynonymList::add(const NameFields& fields) {
    std::string name = trimTrailingBlanks(fields.latin);
    if (name.empty()) return std::nullopt;
    Taxon synonym{0, accepted_.cod, accepted_.classific + kSynonymOffset, accepted_.classCode, name,
                  joinAuthor(fields.describer, fields.year)};
    const MarkedRow added = db::inTransaction(*doc_.db, [&] {
        MarkedRow row = insertMarked(doc_, synonym, kCatalogueMarker);
        if (!fields.common.empty()) writeCommonName(doc_, row.cod, language_, fields.common);
        return row;
    });
    synonyms_.insert(synonyms_.begin() + static_cast<std::ptrdiff_t>(added.position),
                     Taxon{added.cod, synonym.ofCod, synonym.classific, synonym.classCode, name, synonym.author});
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(added.position), lineOf(synonyms_[added.position]));
    return added.position;
}

std::optional<std::size_t> SynonymList::edit(std::size_t line, const NameFields& fields) {
    std::string name = trimTrailingBlanks(fields.latin);
    if (name.empty() || line >= synonyms_.size()) return std::nullopt;
    const std::int32_t cod = synonyms_[line].cod;
    const bool found = db::inTransaction(*doc_.db, [&] {
        db::Fish& t = *doc_.taxa;
        t.setFilter("Cod=" + num(cod));
        t.requery();
        if (t.isEOF()) return false;
        t.edit();
        t.m_Lat_name = name;
        t.m_Author = joinAuthor(fields.describer, fields.year);
        t.update();
        if (!fields.common.empty()) writeCommonName(doc_, cod, language_, fields.common);
        return true;
    });
    if (!found) return std::nullopt;
    read();  // a new name may stand elsewhere in the order
    for (std::size_t i = 0; i < synonyms_.size(); ++i)
        if (synonyms_[i].cod == cod) return i;
    return std::nullopt;
}

void SynonymList::remove(std::size_t line) {
    if (line >= synonyms_.size()) return;
    const std::int32_t cod = synonyms_[line].cod;
    db::inTransaction(*doc_.db, [&] {
        deleteRows(*doc_.commonNames, "Of_fish=" + num(cod));
        deleteRows(*doc_.taxa, "Cod=" + num(cod));
    });
    synonyms_.erase(synonyms_.begin() + static_cast<std::ptrdiff_t>(line));
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
}

}  // namespace catalogue
