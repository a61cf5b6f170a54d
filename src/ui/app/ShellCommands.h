// The logic behind the settings and help commands of the main window.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/Settings.h"

namespace app {

// The currency rate as typed: blanks, then digits read as an unsigned
// number. Nothing when no digit starts the text, or the number is 0 or does
// not fit: a rate of 0 would turn every converted amount into 0.
std::optional<int> readRate(const std::string& text);

// The rate the "Currency rate" prompt edits: RUR_rate or UAH_rate; none for
// USD and Euro, which convert at par.
int core::Settings::*rateOf(int currency);

// "\Help\programr.html" for Russian, else "\Help\program.html", in the work directory.
std::filesystem::path helpPage(const core::Settings& settings);

}  // namespace app
