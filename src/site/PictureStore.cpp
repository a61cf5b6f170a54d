#include "site/PictureStore.h"

#include "catalogue/CareCard.h"
#include "platform/TextFile.h"
#include "platform/WildcardFind.h"
#include "catalogue/PlantCard.h"

namespace site {

namespace fs = std::filesystem;

std::string& lastImportFolder() {
    static std::string folder;
    return folder;
}

PictureStore::PictureStore(fs::path imagesDir, std::int32_t code, Group group)
    : dir_(std::move(imagesDir)), code_(code), group_(group) {}

std::string PictureStore::base(int stage) const {
    return pictureBase(stagesOf(group_)[static_cast<std::size_t>(stage)].letter, code_);
}

std::vector<std::string> PictureStore::pictures(int stage) const {
    std::vector<std::string> names;
    if (stage < 0 || stage >= stageCount()) return names;
    for (const platform::FoundFile& f : platform::findFiles(dir_ / (base(stage) + "_*.*")))
        names.push_back(f.path.filename().string());
    return names;
}

namespace {

// The order letter of a picture name: the character after its "_".
char orderLetter(const std::string& name) {
    std::size_t bar = name.find('_');
    return bar == std::string::npos || bar + 1 >= name.size() ? 0 : name[bar + 1];
}

// The extension of a stored picture: what follows its last ".".
std::string extensionOf(const std::string& name) {
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string pictureName(const std::string& base, char letter, const std::string& ext) {
    return base + "_" + std::string(1, letter) + "." + ext;
}

}  // namespace

std::vector<std::string> PictureStore::import(int stage, const std::vector<fs::path>& files) {
    std::vector<std::string> made;
    if (stage < 0 || stage >= stageCount() || files.empty()) return made;
    std::vector<std::string> now = pictures(stage);
    char letter = now.empty() ? 'a' : static_cast<char>(orderLetter(now.back()) + 1);
    std::error_code ec;
    fs::create_directories(dir_, ec);
    for (const fs::path& file : files) {
        if (letter < 'a' || letter > 'z') break;
        const std::string name = file.filename().string();
        const std::string ext = name.size() > 3 ? name.substr(name.size() - 3) : name;
        const std::string target = pictureName(base(stage), letter++, ext);
        std::error_code e;
        if (fs::copy_file(file, dir_ / target, fs::copy_options::none, e)) made.push_back(target);
    }
    lastImportFolder() = files.back().parent_path().string();
    return made;
}

bool PictureStore::rename(const std::string& from, const std::string& to) const {
    std::error_code ec;
    if (from == to) return true;
    if (fs::exists(dir_ / to, ec)) return false;  // never over another picture
    fs::rename(dir_ / from, dir_ / to, ec);
    return !ec;
}

void PictureStore::closeGap(int stage, char freed) const {
    std::vector<std::string> now = pictures(stage);
    if (now.empty()) return;
    const std::string& last = now.back();
    if (orderLetter(last) <= freed) return;
    rename(last, pictureName(base(stage), freed, extensionOf(last)));
}

bool PictureStore::remove(int stage, const std::string& name) {
    if (stage < 0 || stage >= stageCount() || name.rfind(base(stage) + "_", 0) != 0) return false;
    std::error_code ec;
    if (!fs::remove(dir_ / name, ec)) return false;
    closeGap(stage, orderLetter(name));
    return true;
}

bool PictureStore::exchangeWithFirst(int stage, const std::string& name) {
    if (stage < 0 || stage >= stageCount() || name.rfind(base(stage) + "_", 0) != 0) return false;
    const char letter = orderLetter(name);
    if (letter == 'a') return false;
    std::string first;
    for (const std::string& p : pictures(stage))
        if (orderLetter(p) == 'a') first = p;
    std::error_code ec;
    const fs::path temp = dir_ / "temp";
    fs::rename(dir_ / name, temp, ec);
    if (ec) return false;
    if (!first.empty() && !rename(first, pictureName(base(stage), letter, extensionOf(first)))) {
        fs::rename(temp, dir_ / name, ec);  // the first stays first; nothing is overwritten
        return false;
    }
    fs::rename(temp, dir_ / pictureName(base(stage), 'a', extensionOf(name)), ec);
    return !ec;
}

int PictureStore::bringTarget(int stage) const {
    // Both groups pair their first two stages: male/female, adult/sprout.
    if (stage == 0) return 1;
    if (stage == 1) return 0;
    return -1;
}

std::string PictureStore::bringText(int stage) const {
    if (group_ == Group::Animal) {
        if (stage == 0) return "Bring to females";
        if (stage == 1) return "Bring to males";
    } else {
        if (stage == 0) return "Bring to sprouts";
        if (stage == 1) return "Bring to adults";
    }
    return "Bring to...";
}

bool PictureStore::bringTo(int stage, const std::string& name) {
    const int target = bringTarget(stage);
    if (target < 0 || name.rfind(base(stage) + "_", 0) != 0) return false;
    const std::size_t count = pictures(target).size();
    if (count >= 26) return false;
    const char letter = static_cast<char>('a' + count);
    std::error_code ec;
    if (fs::exists(dir_ / pictureName(base(target), letter, extensionOf(name)), ec)) return false;
    fs::rename(dir_ / name, dir_ / pictureName(base(target), letter, extensionOf(name)), ec);
    if (ec) return false;
    closeGap(stage, orderLetter(name));
    return true;
}

std::string PictureStore::previewHtml() const {
    std::string s = "<html>\n<body bgcolor=\"#C0C0C0\">\n";
    const std::string dir = dir_.string();
    for (int st = 0; st < stageCount(); ++st) {
        std::vector<std::string> names = pictures(st);
        for (const std::string& name : names)
            s += "<img border=\"0\" src=\"" + dir + "/" + name + "\" width=\"25%\" align=\"top\" alt=\"" +
                 stagesOf(group_)[static_cast<std::size_t>(st)].label + " " + name + "\">";
        if (!names.empty()) s += "<br>\n";
    }
    return s + "</body>\n</html>\n";
}

bool writePreview(const SiteEnv& env, const PictureStore& store, fs::path* page) {
    const fs::path out = env.path("\\temp.html");
    if (page) *page = out;
    platform::TextFileWriter w;
    if (!w.open(out)) {
        env.tell(out.string() + " is already opened!");
        return false;
    }
    w.write(store.previewHtml());
    if (!w.commit()) {
        env.tell(out.string() + " is already opened!");
        return false;
    }
    return true;
}

namespace {

std::string* animalSize(db::Fishes& f, int stage) {
    switch (stage) {
    case 0: return &f.m_M_len;
    case 1: return &f.m_F_len;
    case 2: return &f.m_J_len;
    case 3: return &f.m_Fr_len;
    case 4: return &f.m_Egg_size;
    }
    return nullptr;
}

std::string* plantSize(db::Plants& p, int stage) {
    switch (stage) {
    case 0: return &p.m_Height;
    case 1: return &p.m_Spr_size;
    case 2: return &p.m_Fl_size;
    case 3: return &p.m_Seed_size;
    }
    return nullptr;
}

}  // namespace

std::string stageSize(db::CFishesDoc& doc, Group group, std::int32_t code, int stage) {
    if (group == Group::Animal) {
        db::Fishes& f = *doc.animalCards;
        f.setFilter("Of_fish=" + std::to_string(code));
        f.requery();
        std::string* size = f.isEOF() ? nullptr : animalSize(f, stage);
        return size ? *size : std::string();
    }
    db::Plants& p = *doc.plantCards;
    p.setFilter("Of_cod=" + std::to_string(code));
    p.requery();
    std::string* size = p.isEOF() ? nullptr : plantSize(p, stage);
    return size ? *size : std::string();
}

void setStageSize(db::CFishesDoc& doc, Group group, std::int32_t code, int stage, const std::string& text) {
    if (group == Group::Animal) {
        catalogue::openCard(doc, code);
        db::Fishes& f = *doc.animalCards;
        std::string* size = animalSize(f, stage);
        if (!size || *size == text) return;
        f.edit();
        *animalSize(f, stage) = text;
        f.update();
        return;
    }
    catalogue::openPlantCard(doc, code);
    db::Plants& p = *doc.plantCards;
    std::string* size = plantSize(p, stage);
    if (!size || *size == text) return;
    p.edit();
    *plantSize(p, stage) = text;
    p.update();
}

}  // namespace site
