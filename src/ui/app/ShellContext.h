// What the main window works with: the settings, the document, the prompter
// for questions and messages, and the splash window's hooks (empty when
// there is no splash).
#pragma once

#include <functional>
#include <string>

#include "core/Settings.h"
#include "db/CFishesDoc.h"
#include "platform/Prompter.h"

namespace app {

struct ShellContext {
    core::Settings& settings;
    db::CFishesDoc& doc;
    platform::Prompter& prompter;
    std::function<void(const std::string&)> splashText;
    std::function<void()> closeSplash;
};

}  // namespace app
