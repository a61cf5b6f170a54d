// The property sheet of an animal taxon: the "Info" card page, the
// "Description" page and the property stair, opening on the page last used.
#pragma once

#include <QDialog>

#include "core/Settings.h"
#include "db/CFishesDoc.h"
#include "platform/Prompter.h"

class CPictures;
class CStair;
class Descript;
class QTabWidget;
class SpecFish;

class CProperties : public QDialog {
    Q_OBJECT
public:
    CProperties(db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter, std::int32_t taxon,
                const std::string& rowLabel, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }
    SpecFish* info() const { return info_; }
    Descript* descriptionPage() const { return description_; }
    CPictures* picturesPage() const { return pictures_; }
    CStair* stair() const { return stair_; }
    void done(int result) override;

private:
    core::Settings& settings_;
    QTabWidget* pages_;
    SpecFish* info_;
    Descript* description_;
    CPictures* pictures_;
    CStair* stair_;
};
