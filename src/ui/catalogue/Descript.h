// The "Description" page of a property sheet: the description in the
// current language and the two groups of links, each change written at once.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "catalogue/TaxonLinks.h"
#include "platform/Prompter.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class Descript : public QWidget {
    Q_OBJECT
public:
    struct Group {
        int type = 0;
        QGroupBox* box = nullptr;
        QListWidget* list = nullptr;
        QLineEdit *email = nullptr, *http = nullptr, *ftp = nullptr, *name = nullptr;
        QPushButton *addNew = nullptr, *select = nullptr, *remove = nullptr;
        std::vector<catalogue::Link> links;
    };

    Descript(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t taxon, int language,
             QWidget* parent = nullptr);

    QPlainTextEdit* description() const { return text_; }
    // 0: "Responsible member of Project support Committee", 1: "Links".
    const Group& group(int g) const { return groups_[static_cast<std::size_t>(g)]; }
    // Runs the "Links" dialog of "Select..."; tests replace it.
    std::function<int(const std::vector<catalogue::Link>&)> chooseLink;

private:
    void buildGroup(Group& g, const QString& title);
    void load(Group& g);
    void showLink(Group& g, int row);
    void edited(Group& g, bool (*setter)(db::CFishesDoc&, catalogue::Link&, const std::string&), const QString& text);
    void addNew(Group& g);
    void select(Group& g);
    void remove(Group& g);

    db::CFishesDoc& doc_;
    platform::Prompter& prompter_;
    std::int32_t taxon_;
    int language_;
    QPlainTextEdit* text_;
    std::array<Group, 2> groups_;
};
