#include "ui/app/ShellCommands.h"

#include <cctype>
#include <climits>

#include "core/InterfaceText.h"
#include "core/WorkPaths.h"

namespace app {

std::optional<int> readRate(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i == text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) return std::nullopt;
    }
    if (value == 0) return std::nullopt;
    return static_cast<int>(value);
}

int core::Settings::*rateOf(int currency) {
    switch (currency) {
    case core::RUR: return &core::Settings::RUR_rate;
    case core::UAH: return &core::Settings::UAH_rate;
    default: return nullptr;
    }
}

std::filesystem::path helpPage(const core::Settings& settings) {
    return core::workPath(settings.Application_path,
                    settings.Default_language == core::Russian ? "\\Help\\programr.html" : "\\Help\\program.html");
}

}  // namespace app
