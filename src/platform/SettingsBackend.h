// The per-user settings store: named integers and texts in one section.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform {

class SettingsBackend {
public:
    // Organisation "Local AppWizard-Generated Applications", application
    // "Reedmere", group "Settings"; native format, user scope.
    SettingsBackend();
    ~SettingsBackend();

    std::optional<int> readInt(const std::string& key) const;
    std::optional<std::string> readText(const std::string& key) const;
    void writeInt(const std::string& key, int value);
    void writeText(const std::string& key, const std::string& value);
    void sync();
    std::string fileName() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace platform
