#include "reports/WaterRanges.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "catalogue/CareCard.h"
#include "catalogue/PackedField.h"
#include "farm/LotNames.h"
#include "farm/WaterJournal.h"

namespace reports {

std::optional<ValueRange> readRange(const std::string& text) {
    // The separators a range is typed with; a leading minus is a sign, not one.
    std::string t = text;
    for (const char* dash : {"\xE2\x80\xA6", "\xE2\x80\x93", "\xE2\x80\x94", ".."}) {
        for (std::size_t at = t.find(dash); at != std::string::npos; at = t.find(dash)) t.replace(at, std::strlen(dash), "~");
    }
    std::size_t start = t.find_first_not_of(' ');
    if (start == std::string::npos) return std::nullopt;
    std::size_t split = t.find('~');
    if (split == std::string::npos) split = t.find('-', start + 1);
    if (split == std::string::npos) {
        auto v = farm::readDecimal(t);
        if (!v) return std::nullopt;
        return ValueRange{*v, *v};
    }
    auto low = farm::readDecimal(t.substr(0, split));
    auto high = farm::readDecimal(t.substr(split + 1));
    if (!low || !high) return std::nullopt;
    return ValueRange{std::min(*low, *high), std::max(*low, *high)};
}

void narrow(RangeLimit& limit, const std::string& cardText) {
    auto r = readRange(cardText);
    if (!r) return;
    if (limit.stated++ == 0) {
        limit.range = r;
        return;
    }
    if (limit.conflict) return;
    ValueRange met{std::max(limit.range->low, r->low), std::min(limit.range->high, r->high)};
    if (met.low > met.high) {
        limit.range.reset();
        limit.conflict = true;
        return;
    }
    limit.range = met;
}

WaterRanges tankWaterRanges(db::CFishesDoc& doc, int tank) {
    std::set<int> taxa;
    {
        db::My_Fish lot(*doc.db);
        lot.setFilter("Of_aquarium=" + std::to_string(tank) +
                      " AND (Number_fries>0 OR Number_male>0 OR Number_female>0) AND Of_fish<>14");
        lot.requery();
        for (; !lot.isEOF(); lot.moveNext()) taxa.insert(lot.m_Of_fish);
    }
    WaterRanges out;
    if (taxa.empty()) return out;
    db::Fish taxaRows(*doc.db);
    farm::TaxonNames names(taxaRows);
    names.prefetch(std::vector<int>(taxa.begin(), taxa.end()));
    db::Fishes card(*doc.db);
    for (int taxon : taxa) {
        card.setFilter("Of_fish=" + std::to_string(taxon));
        card.requery();
        if (card.isEOF()) continue;
        std::vector<std::string> keep = catalogue::unpack(card.m_Keep_cond, catalogue::kKeepFields);
        narrow(out.temperature, keep[catalogue::kTemperature]);
        narrow(out.pH, keep[catalogue::kPh]);
        narrow(out.dGh, keep[catalogue::kGeneralHardness]);
        narrow(out.dKh, keep[catalogue::kCarbonateHardness]);
        out.species.push_back(names.species(taxon));
    }
    return out;
}

}  // namespace reports
