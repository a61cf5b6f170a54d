// The pictures of one taxon in its class's Images directory, stage by
// stage: importing under the next order letters, deleting and moving
// without gaps, exchanging with the first picture, the stage sizes of the
// card and the preview page "temp.html".
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "db/CFishesDoc.h"
#include "site/PageSkeleton.h"
#include "site/PictureFiles.h"

namespace site {

// The folder the next import starts in; kept for the run.
std::string& lastImportFolder();

class PictureStore {
public:
    PictureStore(std::filesystem::path imagesDir, std::int32_t code, Group group);

    const std::filesystem::path& imagesDir() const { return dir_; }
    std::int32_t code() const { return code_; }
    Group group() const { return group_; }
    int stageCount() const { return static_cast<int>(stagesOf(group_).size()); }

    // The stage's pictures as they are on disk now, in name order.
    std::vector<std::string> pictures(int stage) const;

    // Copies each file, in order, under the stage's next order letter; the
    // extension is the last three characters of the file's name. A name
    // that exists already is not overwritten; letters end at "z". Returns
    // the names created. The files' folder becomes the last import folder.
    std::vector<std::string> import(int stage, const std::vector<std::filesystem::path>& files);

    // Deletes a picture; the stage's last picture takes its order letter.
    bool remove(int stage, const std::string& name);

    // The picture takes letter "a" and the first picture its letter.
    bool exchangeWithFirst(int stage, const std::string& name);

    // The other stage of the pair male/female (animals) or adult/sprout
    // (plants); -1 for a stage without one.
    int bringTarget(int stage) const;
    // "Bring to females", "Bring to males", "Bring to sprouts", "Bring to adults"; "Bring to..." otherwise.
    std::string bringText(int stage) const;
    // Moves a picture to the end of the target stage; its stage closes the gap.
    bool bringTo(int stage, const std::string& name);

    // The preview page: every stage's pictures as images of a quarter width.
    std::string previewHtml() const;

private:
    std::string base(int stage) const;
    bool rename(const std::string& from, const std::string& to) const;
    // Moves the stage's last picture to the letter that fell free.
    void closeGap(int stage, char freed) const;

    std::filesystem::path dir_;
    std::int32_t code_;
    Group group_;
};

// Writes the preview into the work directory's "temp.html"; false (after
// the message) when it cannot be written. Returns the page's path in page.
bool writePreview(const SiteEnv& env, const PictureStore& store, std::filesystem::path* page = nullptr);

// The size column of a stage on the taxon's card: M_len, F_len, J_len,
// Fr_len, Egg_size or Height, Spr_size, Fl_size, Seed_size. Reading gives
// empty without a card; writing creates the card when it is missing and
// writes only a changed text.
std::string stageSize(db::CFishesDoc& doc, Group group, std::int32_t code, int stage);
void setStageSize(db::CFishesDoc& doc, Group group, std::int32_t code, int stage, const std::string& text);

}  // namespace site
