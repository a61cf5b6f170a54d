#include "ui/catalogue/CPictures.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

#include "catalogue/Taxonomy.h"
#include "platform/Codec.h"
#include "catalogue/PlantCard.h"

namespace fs = std::filesystem;

namespace {

// The picture store names the bring button's target in English.
[[maybe_unused]] const char* const kBringTexts[] = {
    QT_TRANSLATE_NOOP("CPictures", "Bring to females"), QT_TRANSLATE_NOOP("CPictures", "Bring to males"),
    QT_TRANSLATE_NOOP("CPictures", "Bring to sprouts"), QT_TRANSLATE_NOOP("CPictures", "Bring to adults")};

fs::path imagesOf(db::CFishesDoc& doc, const site::SiteEnv& env, std::int32_t taxon) {
    std::optional<catalogue::Taxon> t = catalogue::findTaxon(doc, taxon);
    std::string dir = t ? catalogue::classDirectory(doc, *t) : std::string();
    return env.path(dir + "\\Images");
}

QString stageName(const site::Stage& s) {
    QString label = QString::fromUtf8(s.label);
    return label.mid(1, label.size() - 2);  // "-Male-" -> "Male"
}

// The text browser reads width="25%" of an image as no width at all: the
// preview page is shown with the quarter of the view's width in pixels.
class PreviewView : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QTextBrowser::resizeEvent(event);
        if (!source().isEmpty()) reload();  // the quarter follows the view
    }
    QVariant loadResource(int type, const QUrl& name) override {
        QVariant loaded = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource) return loaded;
        const std::string page = platform::cp1251ToUtf8(loaded.toByteArray().toStdString());
        const QString quarter = QString::number(qMax(16, viewport()->width() / 4 - 4));
        return QString::fromStdString(page).replace(QStringLiteral("width=\"25%\""),
                                                    QStringLiteral("width=\"") + quarter + QStringLiteral("\""));
    }
};

QStringList chooseFiles(QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileNames(parent, title, folder, filter);
}

}  // namespace

CPictures::CPictures(db::CFishesDoc& doc, const site::SiteEnv& env, site::Group group, std::int32_t taxon,
                     QWidget* parent)
    : QWidget(parent), doc_(doc), env_(env), taxon_(taxon), store_(imagesOf(doc, env, taxon), taxon, group),
      chooser_(chooseFiles) {
    setWindowTitle(tr("Pictures"));
    stages_ = new QListWidget(this);
    for (const site::Stage& s : site::stagesOf(group)) stages_->addItem(stageName(s));
    pictures_ = new QListWidget(this);
    new_ = new QPushButton(tr("New..."), this);
    delete_ = new QPushButton(tr("Delete..."), this);
    exchange_ = new QPushButton(tr("Exhange with first"), this);
    bring_ = new QPushButton(tr("Bring to..."), this);
    maxLength_ = new QLineEdit(this);
    preview_ = new PreviewView(this);
    preview_->setMinimumSize(360, 280);

    auto* length = new QHBoxLayout;
    length->addWidget(new QLabel(tr("Max length"), this));
    length->addWidget(maxLength_);
    length->addWidget(new QLabel(QStringLiteral("mm"), this));
    auto* buttons = new QGridLayout;
    buttons->addWidget(new_, 0, 0);
    buttons->addWidget(delete_, 0, 1);
    buttons->addWidget(exchange_, 1, 0);
    buttons->addWidget(bring_, 1, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(stages_);
    left->addWidget(pictures_);
    left->addLayout(buttons);
    left->addLayout(length);
    auto* all = new QHBoxLayout(this);
    all->addLayout(left, 1);
    all->addWidget(preview_, 2);

    connect(stages_, &QListWidget::currentRowChanged, this, &CPictures::chooseStage);
    connect(pictures_, &QListWidget::currentRowChanged, this, [this] { pictureChosen(); });
    connect(new_, &QPushButton::clicked, this, &CPictures::importPictures);
    connect(delete_, &QPushButton::clicked, this, &CPictures::deletePicture);
    connect(exchange_, &QPushButton::clicked, this, &CPictures::exchangeWithFirst);
    connect(bring_, &QPushButton::clicked, this, &CPictures::bringTo);
    connect(maxLength_, &QLineEdit::textEdited, this, &CPictures::lengthEdited);

    if (site::lastImportFolder().empty()) site::lastImportFolder() = env.workDir;
    stages_->setCurrentRow(0);
}

void CPictures::guarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& e) {
        env_.tell(e.what());
    }
}

void CPictures::chooseStage(int stage) {
    guarded([&] {
        maxLength_->setText(QString::fromStdString(site::stageSize(doc_, store_.group(), taxon_, stage)));
    });
    bring_->setText(tr(store_.bringText(stage).c_str()));
    refresh();
}

void CPictures::refresh() {
    const int stage = stages_->currentRow();
    pictures_->clear();
    for (const std::string& name : store_.pictures(stage)) pictures_->addItem(QString::fromStdString(name));
    pictureChosen();
    fs::path page;
    if (site::writePreview(env_, store_, &page)) {
        preview_->clearHistory();
        preview_->setSource(QUrl());
        preview_->setSource(QUrl::fromLocalFile(QString::fromStdString(page.string())));
    }
}

void CPictures::pictureChosen() {
    const bool chosen = pictures_->currentRow() >= 0;
    delete_->setEnabled(chosen);
    exchange_->setEnabled(chosen && pictures_->currentRow() > 0);
    bring_->setEnabled(chosen && store_.bringTarget(stages_->currentRow()) >= 0);
}

void CPictures::importPictures() {
    const int stage = stages_->currentRow();
    if (stage < 0) return;
    QStringList files = chooser_(this, tr("Select one or more pictures"),
                                 QString::fromStdString(site::lastImportFolder()),
                                 tr("Pictures (*.bmp *.gif *.jpg);;All Files (*)"));
    if (files.isEmpty()) return;
    std::vector<fs::path> paths;
    for (const QString& f : files) paths.emplace_back(f.toStdString());
    store_.import(stage, paths);
    refresh();
}

void CPictures::deletePicture() {
    QListWidgetItem* item = pictures_->currentItem();
    if (!item || !env_.prompter) return;
    if (!platform::confirmed(*env_.prompter)) return;
    store_.remove(stages_->currentRow(), item->text().toStdString());
    refresh();
}

void CPictures::exchangeWithFirst() {
    QListWidgetItem* item = pictures_->currentItem();
    if (!item || pictures_->currentRow() == 0) return;
    store_.exchangeWithFirst(stages_->currentRow(), item->text().toStdString());
    refresh();
}

void CPictures::bringTo() {
    QListWidgetItem* item = pictures_->currentItem();
    if (!item) return;
    store_.bringTo(stages_->currentRow(), item->text().toStdString());
    refresh();
}

void CPictures::lengthEdited(const QString& text) {
    const int stage = stages_->currentRow();
    if (stage < 0) return;
    guarded([&] {
        site::setStageSize(doc_, store_.group(), taxon_, stage, text.toStdString());
        emit lengthChanged(stage, text + QStringLiteral(" mm"));
    });
}

CPictPlant::CPictPlant(db::CFishesDoc& doc, const site::SiteEnv& env, std::int32_t taxon, QWidget* parent)
    : CPictures(doc, env, site::Group::Plant, taxon, parent) {
    diameter_ = new QLineEdit(this);
    root_ = new QLineEdit(this);
    catalogue::openPlantCard(doc_, taxon_);
    diameter_->setText(QString::fromStdString(doc_.plantCards->m_Diameter));
    root_->setText(QString::fromStdString(doc_.plantCards->m_Root));
    auto* sizes = new QGridLayout;
    sizes->addWidget(new QLabel(tr("Diameter"), this), 0, 0);
    sizes->addWidget(diameter_, 0, 1);
    sizes->addWidget(new QLabel(QStringLiteral("mm"), this), 0, 2);
    sizes->addWidget(new QLabel(tr("Root length"), this), 1, 0);
    sizes->addWidget(root_, 1, 1);
    sizes->addWidget(new QLabel(QStringLiteral("mm"), this), 1, 2);
    if (auto* all = qobject_cast<QHBoxLayout*>(layout()))
        if (auto* left = qobject_cast<QVBoxLayout*>(all->itemAt(0)->layout())) left->addLayout(sizes);
    auto store = [this](std::string db::Plants::*member, const QString& text) {
        try {
            catalogue::openPlantCard(doc_, taxon_);
            db::Plants& card = *doc_.plantCards;
            if (card.*member == text.toStdString()) return;
            card.edit();
            card.*member = text.toStdString();
            card.update();
        } catch (const std::exception& e) {
            env_.tell(e.what());
        }
    };
    connect(diameter_, &QLineEdit::textEdited, this,
            [store](const QString& t) { store(&db::Plants::m_Diameter, t); });
    connect(root_, &QLineEdit::textEdited, this, [store](const QString& t) { store(&db::Plants::m_Root, t); });
}
