#include "ui/catalogue/CProperties.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/catalogue/CStair.h"
#include "ui/catalogue/Descript.h"
#include "ui/catalogue/SpecFish.h"
#include "catalogue/Taxonomy.h"
#include "ui/catalogue/CPictures.h"

CProperties::CProperties(db::CFishesDoc& doc, core::Settings& settings, platform::Prompter& prompter,
                         std::int32_t taxon, const std::string& rowLabel, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    std::optional<catalogue::Taxon> t = catalogue::findTaxon(doc, taxon);
    setWindowTitle(tr("Info about %1 %2").arg(QString::fromStdString(rowLabel), QString::fromStdString(t ? t->latName : std::string())));
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    info_ = new SpecFish(doc, prompter, taxon, pages_);
    description_ = new Descript(doc, prompter, taxon, settings.Default_language, pages_);
    stair_ = new CStair(doc, prompter, taxon, settings.Default_language, pages_);
    pages_->addTab(info_, tr("Info"));
    pages_->addTab(description_, tr("Description"));
    pictures_ = new CPictures(doc, site::siteEnv(settings, prompter), site::Group::Animal, taxon, pages_);
    pages_->addTab(pictures_, tr("Pictures"));
    pages_->addTab(stair_, tr("Stair"));
    layout->addWidget(pages_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    connect(info_, &SpecFish::captionChanged, stair_, &CStair::setCaption);
    connect(info_, &SpecFish::habitatsChanged, stair_, &CStair::setHabitats);
    connect(pictures_, &CPictures::lengthChanged, stair_, [this](int stage, const QString& length) {
        static const char* const kLengths[5][2] = {{"maleLength", QT_TRANSLATE_NOOP("CStair", "Male length = ")},
                                                   {"femaleLength", QT_TRANSLATE_NOOP("CStair", "Female length = ")},
                                                   {"juvenileLength", QT_TRANSLATE_NOOP("CStair", "Juvenile length = ")},
                                                   {"fryLength", QT_TRANSLATE_NOOP("CStair", "Fry length = ")},
                                                   {"eggSize", QT_TRANSLATE_NOOP("CStair", "Eggs size = ")}};
        if (stage >= 0 && stage < 5)
            stair_->setCaption(QString::fromUtf8(kLengths[stage][0]), CStair::tr(kLengths[stage][1]) + length);
    });
    int page = settings.Active_page;
    pages_->setCurrentIndex(page >= 0 && page < pages_->count() ? page : 0);
}

void CProperties::done(int result) {
    settings_.Active_page = pages_->currentIndex();
    QDialog::done(result);
}
