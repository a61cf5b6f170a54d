#include "catalogue/TaxonLinks.h"

namespace catalogue {

namespace {

using db::ColumnKind;

std::vector<Link> readLinks(db::CFishesDoc& doc, const std::string& where, const std::vector<db::Value>& params) {
    std::vector<Link> links;
    // Row_id names each link exactly, also when two links read alike.
    doc.db->query(
        "SELECT \"Row_id\",\"Of_fish\",\"Name\",\"E_mail\",\"HTTP\",\"FTP\",\"Type\" FROM \"Links\" WHERE " + where +
            " ORDER BY \"Name\", \"Row_id\"",
        {ColumnKind::Integer, ColumnKind::Integer, ColumnKind::Text, ColumnKind::Text, ColumnKind::Text,
         ColumnKind::Text, ColumnKind::Integer},
        [&](std::vector<db::Value>& row) {
            auto integer = [&](int i) {
                return std::holds_alternative<std::int64_t>(row[i]) ? std::get<std::int64_t>(row[i]) : 0;
            };
            auto text = [&](int i) {
                return std::holds_alternative<std::string>(row[i]) ? std::get<std::string>(row[i]) : std::string();
            };
            links.push_back(Link{integer(0), static_cast<std::int32_t>(integer(1)), text(2), text(3), text(4),
                                 text(5), static_cast<int>(integer(6))});
        },
        params);
    return links;
}

// Puts doc.links on the link's record; false when it is gone.
bool seek(db::CFishesDoc& doc, const Link& link) {
    db::Links& l = *doc.links;
    l.setFilter("Row_id=" + std::to_string(link.rowId));
    l.requery();
    return !l.isEOF();
}

Link insert(db::CFishesDoc& doc, Link link) {
    db::Links& l = *doc.links;
    l.addNew();
    l.m_Of_fish = link.ofFish;
    l.m_Name = link.name;
    l.m_E_mail = link.email;
    l.m_HTTP = link.http;
    l.m_FTP = link.ftp;
    l.m_Type = link.type;
    l.update();
    link.rowId = l.lastInsertedKey();
    return link;
}

template <class Member>
bool setField(db::CFishesDoc& doc, Link& link, std::string Link::*field, Member member, const std::string& value) {
    if (link.*field == value || !seek(doc, link)) return false;
    db::Links& l = *doc.links;
    l.edit();
    l.*member = value;
    l.update();
    link.*field = value;
    return true;
}

}  // namespace

std::vector<Link> linksOf(db::CFishesDoc& doc, std::int32_t taxon) {
    return readLinks(doc, "\"Of_fish\"=?", {std::int64_t(taxon)});
}

std::vector<Link> linksOfOtherTaxa(db::CFishesDoc& doc, std::int32_t taxon, int type) {
    return readLinks(doc, "\"Of_fish\"<>? AND \"Type\"=?", {std::int64_t(taxon), std::int64_t(type)});
}

std::vector<Link> ofType(const std::vector<Link>& links, int type) {
    std::vector<Link> out;
    for (const Link& l : links)
        if ((l.type == kMemberLink) == (type == kMemberLink)) out.push_back(l);
    return out;
}

Link addNewLink(db::CFishesDoc& doc, std::int32_t taxon, int type) {
    return insert(doc, Link{0, taxon, kNewLinkName, "", kHttpPrefix, kFtpPrefix, type});
}

Link copyLink(db::CFishesDoc& doc, const Link& from, std::int32_t taxon) {
    Link copy = from;
    copy.ofFish = taxon;
    return insert(doc, copy);
}

void deleteLink(db::CFishesDoc& doc, const Link& link) {
    if (seek(doc, link)) doc.links->deleteRow();
}

std::string shownAddress(const std::string& stored, const std::string& prefix) {
    // Only a present prefix is cut: an address stored without one shows whole.
    return stored.compare(0, prefix.size(), prefix) == 0 ? stored.substr(prefix.size()) : stored;
}

bool setLinkHttp(db::CFishesDoc& doc, Link& link, const std::string& typed) {
    return setField(doc, link, &Link::http, &db::Links::m_HTTP, kHttpPrefix + typed);
}

bool setLinkFtp(db::CFishesDoc& doc, Link& link, const std::string& typed) {
    return setField(doc, link, &Link::ftp, &db::Links::m_FTP, kFtpPrefix + typed);
}

bool setLinkEmail(db::CFishesDoc& doc, Link& link, const std::string& typed) {
    return setField(doc, link, &Link::email, &db::Links::m_E_mail, typed);
}

bool setLinkName(db::CFishesDoc& doc, Link& link, const std::string& typed) {
    return setField(doc, link, &Link::name, &db::Links::m_Name, typed);
}

std::string descriptionOf(db::CFishesDoc& doc, std::int32_t taxon, int language) {
    db::CDescr& d = *doc.descriptions;
    d.setFilter("Of_fish=" + std::to_string(taxon) + " AND Language=" + std::to_string(language));
    d.requery();
    return d.isEOF() ? std::string() : d.m_Text;
}

bool storeDescription(db::CFishesDoc& doc, std::int32_t taxon, int language, const std::string& text) {
    db::CDescr& d = *doc.descriptions;
    d.setFilter("Of_fish=" + std::to_string(taxon) + " AND Language=" + std::to_string(language));
    d.requery();
    if (d.isEOF()) {
        d.addNew();
        d.m_Of_fish = taxon;
        d.m_Language = language;
        d.m_Text = text;
        d.update();
        return true;
    }
    if (d.m_Text == text) return false;
    d.edit();
    d.m_Text = text;
    d.update();
    return true;
}

}  // namespace catalogue
