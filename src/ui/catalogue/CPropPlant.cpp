#include "ui/catalogue/CPropPlant.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/catalogue/CProperties.h"
#include "ui/catalogue/CStair.h"
#include "ui/catalogue/Descript.h"
#include "catalogue/Taxonomy.h"
#include "ui/catalogue/CPictures.h"
#include "catalogue/PlantCard.h"
#include "ui/catalogue/SpecPlant.h"

CPropPlant::CPropPlant(db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
                       std::int32_t taxon, const std::string& rowLabel, QWidget* parent)
    : QDialog(parent), settings_(settings), env_(site::siteEnv(settings, prompter)) {
    std::optional<catalogue::Taxon> t = catalogue::findTaxon(doc, taxon);
    setWindowTitle(CProperties::tr("Info about %1 %2").arg(QString::fromStdString(rowLabel), QString::fromStdString(t ? t->latName : std::string())));
    catalogue::openPlantCard(doc, taxon);
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    info_ = new SpecPlant(doc, prompter, taxon, pages_);
    description_ = new Descript(doc, prompter, taxon, settings.Default_language, pages_);
    pictures_ = new CPictPlant(doc, env_, taxon, pages_);
    stair_ = new CStair(doc, prompter, taxon, settings.Default_language, pages_, CStair::Card::Plant);
    pages_->addTab(info_, tr("Info"));
    pages_->addTab(description_, tr("Description"));
    pages_->addTab(pictures_, tr("Pictures"));
    pages_->addTab(stair_, tr("Stair"));
    layout->addWidget(pages_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    connect(info_, &SpecPlant::habitatsChanged, stair_, &CStair::setHabitats);
    int page = settings.Active_page;
    pages_->setCurrentIndex(page >= 0 && page < pages_->count() ? page : 0);
}

void CPropPlant::done(int result) {
    settings_.Active_page = pages_->currentIndex();
    QDialog::done(result);
}
