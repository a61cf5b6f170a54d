#include "site/PictureFiles.h"

#include "platform/WildcardFind.h"

namespace site {

const std::vector<Stage>& stagesOf(Group group) {
    static const std::vector<Stage> animals = {{"m", "Adult male:", "-Male-"},
                                               {"f", "Adult female:", "-Female-"},
                                               {"j", "Juvenile:", "-Juvenile-"},
                                               {"l", "Larva:", "-Larva-"},
                                               {"e", "Eggs:", "-Eggs-"}};
    static const std::vector<Stage> plants = {{"a", "Adult plant:", "-Adult-"},
                                              {"s", "Sprout:", "-Sprout-"},
                                              {"f", "Flower:", "-Flower-"},
                                              {"e", "Seed:", "-Seed-"}};
    return group == Group::Animal ? animals : plants;
}

std::string pictureBase(const std::string& letter, std::int32_t code) { return letter + std::to_string(code); }

void PictureIndex::load() {
    if (loaded_) return;
    loaded_ = true;
    // One listing serves every pattern: names are filed under the part before "_".
    for (const platform::FoundFile& f : platform::findFiles(dir_ / "*_*")) {
        std::string name = f.path.filename().string();
        byBase_[name.substr(0, name.find('_'))].push_back(name);
    }
}

std::vector<std::string> PictureIndex::pictures(const std::string& letter, std::int32_t code) {
    load();
    std::vector<std::string> out;
    const std::string base = pictureBase(letter, code);
    auto it = byBase_.find(base);
    if (it == byBase_.end()) return out;
    for (const std::string& name : it->second)
        if (platform::wildcardMatch(base + "_*.*", name)) out.push_back(name);
    return out;
}

std::optional<std::string> PictureIndex::first(const std::string& letter, std::int32_t code) {
    load();
    const std::string base = pictureBase(letter, code);
    auto it = byBase_.find(base);
    if (it == byBase_.end()) return std::nullopt;
    for (const std::string& name : it->second)
        if (platform::wildcardMatch(base + "_a.*", name)) return name;
    return std::nullopt;
}

std::optional<std::string> PictureIndex::representative(Group group, std::int32_t code) {
    for (const Stage& s : stagesOf(group))
        if (auto name = first(s.letter, code)) return name;
    return std::nullopt;
}

}  // namespace site
