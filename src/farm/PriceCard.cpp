#include "farm/PriceCard.h"

#include "farm/FieldText.h"

namespace farm {

namespace {

struct Columns {
    std::string* size;
    std::int32_t* retail;
    std::int32_t* wholesale;
};

std::array<Columns, 5> columns(db::Price& p) {
    return {{{&p.m_Size_s, &p.m_Price_s, &p.m_Price_s_ws},
             {&p.m_Size_sm, &p.m_Price_sm, &p.m_Price_sm_ws},
             {&p.m_Size_m, &p.m_Price_m, &p.m_Price_m_ws},
             {&p.m_Size_ml, &p.m_Price_ml, &p.m_Price_ml_ws},
             {&p.m_Size_l, &p.m_Price_l, &p.m_Price_l_ws}}};
}

}  // namespace

const std::array<SizeClass, 5>& sizeClasses() {
    static const std::array<SizeClass, 5> classes = {{{"F", "Fries (F)"},
                                                      {"FJ", "Large fries (FJ)"},
                                                      {"J", "Juveniles (J)"},
                                                      {"JA", "Matured juv-s (JA)"},
                                                      {"A", "Adults (A)"}}};
    return classes;
}

PriceFields readPriceCard(db::Price& prices, int taxon) {
    PriceFields f;
    prices.setFilter("Of_cod=" + std::to_string(taxon));
    prices.requery();
    if (prices.isEOF()) {
        f.text.fill("0");
        return f;
    }
    auto cols = columns(prices);
    for (int i = 0; i < 5; ++i) {
        f.size(i) = *cols[i].size;
        f.retail(i) = std::to_string(*cols[i].retail);
        f.wholesale(i) = std::to_string(*cols[i].wholesale);
    }
    return f;
}

std::optional<int> writePriceCard(db::Price& prices, int taxon, const PriceFields& fields) {
    std::array<int, 15> cents{};
    for (int i = 0; i < 15; ++i) {
        if (i % 3 == 0) continue;
        auto v = readCount(fields.text[i], kLongMax);
        if (!v) return i;
        cents[i] = *v;
    }
    prices.setFilter("Of_cod=" + std::to_string(taxon));
    prices.requery();
    if (prices.isEOF()) prices.addNew();
    else prices.edit();
    prices.m_Of_cod = taxon;
    auto cols = columns(prices);
    for (int i = 0; i < 5; ++i) {
        *cols[i].size = fields.text[3 * i];
        *cols[i].retail = cents[3 * i + 1];
        *cols[i].wholesale = cents[3 * i + 2];
    }
    prices.update();
    return std::nullopt;
}

}  // namespace farm
