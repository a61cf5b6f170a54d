// Pictures of taxa by name: the life stages of animals and plants with their
// letters, captions and labels, and the pictures of one Images directory
// found by stage letter and taxon code.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace site {

enum class Group { Animal, Plant };

struct Stage {
    const char* letter;   // "m"
    const char* caption;  // "Adult male:" (species page)
    const char* label;    // "-Male-" (preview)
};

// Animals m, f, j, l, e; plants a, s, f, e.
const std::vector<Stage>& stagesOf(Group group);

// Letter + code: "m123".
std::string pictureBase(const std::string& letter, std::int32_t code);

// One directory read once; later changes on disk are not seen.
class PictureIndex {
public:
    explicit PictureIndex(std::filesystem::path imagesDir) : dir_(std::move(imagesDir)) {}
    const std::filesystem::path& dir() const { return dir_; }
    // Names matching letter + code + "_*.*", in name order.
    std::vector<std::string> pictures(const std::string& letter, std::int32_t code);
    // The name matching letter + code + "_a.*", if any.
    std::optional<std::string> first(const std::string& letter, std::int32_t code);
    // The first picture of the first stage that has one.
    std::optional<std::string> representative(Group group, std::int32_t code);

private:
    void load();
    std::filesystem::path dir_;
    bool loaded_ = false;
    std::map<std::string, std::vector<std::string>> byBase_;  // "m123" -> names
};

}  // namespace site
