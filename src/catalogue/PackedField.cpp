#include "catalogue/PackedField.h"

namespace catalogue {

std::string emptyPacked(int count) { return std::string(count > 0 ? count - 1 : 0, '|'); }

std::vector<std::string> unpack(const std::string& packed, int count) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (int k = 0; k < count; ++k) {
        if (start > packed.size()) {
            fields.emplace_back();
            continue;
        }
        std::size_t bar = k + 1 < count ? packed.find('|', start) : std::string::npos;
        if (bar == std::string::npos) {
            fields.push_back(packed.substr(start));
            start = packed.size() + 1;
        } else {
            fields.push_back(packed.substr(start, bar - start));
            start = bar + 1;
        }
    }
    return fields;
}

std::string withSubField(const std::string& packed, int count, int k, const std::string& value) {
    std::vector<std::string> fields = unpack(packed, count);
    if (k < 0 || k >= count) return packed;
    fields[static_cast<std::size_t>(k)] = value;
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (i) out += '|';
        out += fields[static_cast<std::size_t>(i)];
    }
    return out;
}

}  // namespace catalogue
