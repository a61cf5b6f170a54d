// The property sheet of a plant taxon: the "Info" page, the "Description"
// page, the pictures page and the property stair, opening on the page
// last used.
#pragma once

#include <QDialog>

#include "core/Settings.h"
#include "db/CFishesDoc.h"
#include "platform/Prompter.h"
#include "site/PageSkeleton.h"

class CPictPlant;
class CStair;
class Descript;
class QTabWidget;
class SpecPlant;

class CPropPlant : public QDialog {
    Q_OBJECT
public:
    // Opening creates the plant card when the taxon has none.
    CPropPlant(db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter, std::int32_t taxon,
               const std::string& rowLabel, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }
    SpecPlant* info() const { return info_; }
    Descript* descriptionPage() const { return description_; }
    CPictPlant* picturesPage() const { return pictures_; }
    CStair* stair() const { return stair_; }
    void done(int result) override;

private:
    core::Settings& settings_;
    site::SiteEnv env_;
    QTabWidget* pages_;
    SpecPlant* info_;
    Descript* description_;
    CPictPlant* pictures_;
    CStair* stair_;
};
