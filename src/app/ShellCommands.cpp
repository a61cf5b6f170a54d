#include "app/ShellCommands.h"

#include <cctype>
#include <climits>

#include "app/InterfaceText.h"
#include "app/Startup.h"

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

int Settings::*rateOf(int currency) {
    switch (currency) {
    case RUR: return &Settings::RUR_rate;
    case UAH: return &Settings::UAH_rate;
    default: return nullptr;
    }
}

std::filesystem::path helpPage(const Settings& settings) {
    return workPath(settings.Application_path,
                    settings.Default_language == Russian ? "\\Help\\programr.html" : "\\Help\\program.html");
}

}  // namespace app
