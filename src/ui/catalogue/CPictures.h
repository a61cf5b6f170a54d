// The picture page of a taxon: its stages, the pictures of the chosen
// stage, import, delete, exchange and bring commands, the stage's maximal
// length on the card, and every picture shown in an embedded preview.
// CPictPlant is the plant variant with the diameter and root length.
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

#include "db/CFishesDoc.h"
#include "site/PageSkeleton.h"
#include "site/PictureStore.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

class CPictures : public QWidget {
    Q_OBJECT
public:
    // Asks for the files to import: parent, title, start folder, filter.
    using FileChooser = std::function<QStringList(QWidget*, const QString&, const QString&, const QString&)>;

    CPictures(db::CFishesDoc& doc, const site::SiteEnv& env, site::Group group, std::int32_t taxon,
              QWidget* parent = nullptr);

    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    QListWidget* stageList() const { return stages_; }
    QListWidget* pictureList() const { return pictures_; }
    QPushButton* newButton() const { return new_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* exchangeButton() const { return exchange_; }
    QPushButton* bringButton() const { return bring_; }
    QLineEdit* maxLength() const { return maxLength_; }
    QTextBrowser* preview() const { return preview_; }
    const site::PictureStore& store() const { return store_; }

    void importPictures();
    void deletePicture();
    void exchangeWithFirst();
    void bringTo();

signals:
    // A stage's length was written to the card ("40 mm" for an open card window).
    void lengthChanged(int stage, const QString& text);

protected:
    db::CFishesDoc& doc_;
    const site::SiteEnv env_;
    std::int32_t taxon_;

private:
    void chooseStage(int stage);
    void refresh();
    void pictureChosen();
    void lengthEdited(const QString& text);
    void guarded(const std::function<void()>& step);

    site::PictureStore store_;
    FileChooser chooser_;
    QListWidget* stages_;
    QListWidget* pictures_;
    QPushButton *new_, *delete_, *exchange_, *bring_;
    QLineEdit* maxLength_;
    QTextBrowser* preview_;
};

class CPictPlant : public CPictures {
    Q_OBJECT
public:
    CPictPlant(db::CFishesDoc& doc, const site::SiteEnv& env, std::int32_t taxon, QWidget* parent = nullptr);

    QLineEdit* diameter() const { return diameter_; }
    QLineEdit* root() const { return root_; }

private:
    QLineEdit* diameter_;
    QLineEdit* root_;
};
