// The property sheet of an animal taxon driven by keys and clicks.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "ui/catalogue/CComboTaxon.h"
#include "ui/catalogue/CProperties.h"
#include "ui/catalogue/CStair.h"
#include "ui/catalogue/Descript.h"
#include "ui/catalogue/Fishcatal.h"
#include "ui/catalogue/References.h"
#include "ui/catalogue/SpecFish.h"
#include "catalogue/TestTaxa.h"
#include "common/TestEnv.h"

using namespace catalogue;

namespace {

std::string column(testenv::DocWorld& w, const char* name, std::int32_t taxon) {
    return w.scalar(std::string("SELECT \"") + name + "\" FROM \"Fishes\" WHERE \"Of_fish\"=" + std::to_string(taxon));
}

QListWidgetItem* itemNamed(QListWidget* list, const QString& text) {
    auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void doubleClick(QListWidget* list, QListWidgetItem* item) {
    QRect r = list->visualItemRect(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

// Typed characters of any script, one key event each.
void typeText(QWidget* w, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &release);
    }
}

void type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace

class PropertiesWindow : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheLastPageAndCreatesTheCard();
    void packedFieldsAndListsWriteOneSubField();
    void habitatsAreBrowsedChosenAndEdited();
    void descriptionFollowsTheLanguage();
    void linkGroupsAddSelectEditAndDelete();
    void stairCopiesCheckedPropertiesDown();
    void catalogueKeyOpensTheSheet();
};

void PropertiesWindow::opensOnTheLastPageAndCreatesTheCard() {
    testenv::DocWorld w;
    std::int32_t sp = testtaxa::addTaxon(w.doc, "innesi", 64, 14);
    core::Settings s;
    s.Active_page = 2;
    platform::ScriptedPrompter p;
    {
        CProperties sheet(w.doc, s, p, sp, "Species");
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Info about Species innesi"));
        QCOMPARE(sheet.pages()->currentIndex(), 2);
        QCOMPARE(column(w, "Keep_cond", sp), std::string("||||||"));
        QCOMPARE(column(w, "Spawn_cond", sp), std::string("||||||||"));
        sheet.pages()->setCurrentIndex(1);
        sheet.accept();
    }
    QCOMPARE(s.Active_page, 1);
    CProperties again(w.doc, s, p, sp, "Species");
    QCOMPARE(again.pages()->currentIndex(), 1);
    QCOMPARE(w.scalar("SELECT count(*) FROM \"Fishes\""), std::string("1"));
}

void PropertiesWindow::packedFieldsAndListsWriteOneSubField() {
    testenv::DocWorld w;
    std::int32_t sp = testtaxa::addTaxon(w.doc, "innesi", 64, 14);
    core::Settings s;
    platform::ScriptedPrompter p;
    CProperties sheet(w.doc, s, p, sp, "Species");
    sheet.show();
    SpecFish* info = sheet.info();
    QCOMPARE(sheet.stair()->box("keep1")->text(), QStringLiteral("pH = "));
    type(info->keepEdit(kPh), "7.5");
    QCOMPARE(column(w, "Keep_cond", sp), std::string("|7.5|||||"));
    QCOMPARE(sheet.stair()->box("keep1")->text(), QStringLiteral("pH = 7.5"));
    type(info->keepEdit(kGeneralHardness), "8");
    QCOMPARE(sheet.stair()->box("keep2")->text(), QStringLiteral("gH = 8"));
    QComboBox* substrate = info->substrateBox();
    QCOMPARE(substrate->count(), 11);
    QCOMPARE(substrate->currentIndex(), -1);
    substrate->setFocus();
    for (int i = 0; i < 6; ++i) QTest::keyClick(substrate, Qt::Key_Down);
    QCOMPARE(substrate->currentText(), QStringLiteral("sand"));
    QCOMPARE(column(w, "Spawn_cond", sp), std::string("|||||||5|"));
    QCOMPARE(sheet.stair()->box("spawn7")->text(), QStringLiteral("Substrat: sand"));
    info->seasonBox()->setFocus();
    QTest::keyClick(info->seasonBox(), Qt::Key_End);
    QCOMPARE(column(w, "Spawn_cond", sp), std::string("||||||10|5|"));
    type(info->numberEdit(CardNumber::EggQuantity), "250");
    QCOMPARE(column(w, "Egg_quant", sp), std::string("250"));
    QCOMPARE(sheet.stair()->box("eggQuantity")->text(), QStringLiteral("Eggs quantity = 250"));
    type(info->numberEdit(CardNumber::HatchPercent), "300");
    QVERIFY(p.lastText().find("Fr_perc") != std::string::npos);  // refused with the reason
    QCOMPARE(column(w, "Fr_perc", sp), std::string("30"));
    type(info->textEdit(CardText::Forage), "Artemia");
    QCOMPARE(column(w, "Forage", sp), std::string("Artemia"));
    // Reopened, the page shows what was stored.
    CProperties again(w.doc, s, p, sp, "Species");
    QCOMPARE(again.info()->keepEdit(kPh)->text(), QStringLiteral("7.5"));
    QCOMPARE(again.info()->seasonBox()->currentText(), QStringLiteral("all seasons"));
    QCOMPARE(again.stair()->box("spawn6")->text(), QStringLiteral("Season: all seasons"));
    QCOMPARE(again.stair()->box("keep5")->text(), QStringLiteral("Volume =  liters"));
}

void PropertiesWindow::habitatsAreBrowsedChosenAndEdited() {
    testenv::DocWorld w;
    std::int32_t sp = testtaxa::addTaxon(w.doc, "innesi", 64, 14);
    w.exec("DELETE FROM \"Habitat\"");
    w.exec("INSERT INTO \"Habitat\" (\"Cod\",\"Name\",\"Of_cod\") VALUES (3,'Amazon',0),(12,'Rio Negro',3),(13,'Orinoco',0)");
    core::Settings s;
    platform::ScriptedPrompter p;
    CProperties sheet(w.doc, s, p, sp, "Species");
    sheet.show();
    SpecFish* info = sheet.info();
    QListWidget* browse = info->browseList();
    QCOMPARE(browse->count(), 3);
    QCOMPARE(browse->item(1)->text(), QStringLiteral("(+) Amazon"));
    browse->setCurrentItem(browse->item(1));
    QTest::mouseClick(info->addButton(), Qt::LeftButton);
    doubleClick(browse, browse->item(1));  // into Amazon
    QCOMPARE(info->browsedNode(), 3);
    browse->setCurrentItem(itemNamed(browse, "Rio Negro"));
    QTest::mouseClick(info->addButton(), Qt::LeftButton);
    QCOMPARE(column(w, "Habitat", sp), std::string("3,12"));
    QCOMPARE(sheet.stair()->habitatList()->count(), 2);
    info->chosenList()->setCurrentRow(0);
    QTest::mouseClick(info->removeButton(), Qt::LeftButton);
    QCOMPARE(column(w, "Habitat", sp), std::string("12"));
    QCOMPARE(sheet.stair()->habitatList()->item(0)->text(), QStringLiteral("Rio Negro"));
    p.typeNext("Rio Branco");
    QTest::mouseClick(info->newHabitatButton(), Qt::LeftButton);
    QCOMPARE(p.shown().back().text, std::string("Add new habitat"));
    QVERIFY(itemNamed(browse, "Rio Branco"));
    QCOMPARE(w.scalar("SELECT \"Of_cod\" FROM \"Habitat\" WHERE \"Name\"='Rio Branco'"), std::string("3"));
    browse->setCurrentItem(itemNamed(browse, "Rio Branco"));
    p.answerNext(platform::Answer::No);
    QTest::mouseClick(info->deleteHabitatButton(), Qt::LeftButton);
    QVERIFY(itemNamed(browse, "Rio Branco"));
    p.answerNext(platform::Answer::Yes);
    QTest::mouseClick(info->deleteHabitatButton(), Qt::LeftButton);
    QCOMPARE(p.lastText(), std::string("      Are you sure?"));
    QVERIFY(!itemNamed(browse, "Rio Branco"));
    doubleClick(browse, browse->item(0));  // ".." goes up
    QCOMPARE(info->browsedNode(), 0);
}

void PropertiesWindow::descriptionFollowsTheLanguage() {
    testenv::DocWorld w;
    std::int32_t sp = testtaxa::addTaxon(w.doc, "innesi", 64, 14);
    core::Settings s;
    s.Default_language = 1;
    platform::ScriptedPrompter p;
    {
        CProperties sheet(w.doc, s, p, sp, "Вид");
        sheet.show();
        QPlainTextEdit* text = sheet.descriptionPage()->description();
        text->setFocus();
        typeText(text, QStringLiteral("Мирная"));
        QCOMPARE(w.scalar("SELECT \"Language\" FROM \"Description\""), std::string("1"));
        QCOMPARE(w.scalar("SELECT \"Text\" FROM \"Description\""), std::string("Мирная"));
        QCOMPARE(w.scalar("SELECT count(*) FROM \"Description\""), std::string("1"));
    }
    s.Default_language = 0;
    CProperties english(w.doc, s, p, sp, "Species");
    QCOMPARE(english.descriptionPage()->description()->toPlainText(), QString());
}

void PropertiesWindow::linkGroupsAddSelectEditAndDelete() {
    testenv::DocWorld w;
    std::int32_t sp = testtaxa::addTaxon(w.doc, "innesi", 64, 14);
    std::int32_t other = testtaxa::addTaxon(w.doc, "axelrodi", 64, 14);
    Link member = addNewLink(w.doc, other, kMemberLink);
    setLinkName(w.doc, member, "Dr. Weitzman");
    setLinkEmail(w.doc, member, "sw@example.org");
    Link web = addNewLink(w.doc, other, kWebLink);
    setLinkName(w.doc, web, "FishBase");
    core::Settings s;
    platform::ScriptedPrompter p;
    CProperties sheet(w.doc, s, p, sp, "Species");
    sheet.show();
    Descript* page = sheet.descriptionPage();
    const Descript::Group& members = page->group(0);
    type(members.http, "nowhere.org");  // nothing chosen: nothing stored
    QCOMPARE(w.scalar("SELECT count(*) FROM \"Links\" WHERE \"Of_fish\"=" + std::to_string(sp)), std::string("0"));
    QTest::mouseClick(members.addNew, Qt::LeftButton);
    QCOMPARE(members.list->currentItem()->text(), QStringLiteral("*****"));
    QCOMPARE(members.name->text(), QStringLiteral("*****"));
    QCOMPARE(members.http->text(), QString());
    QCOMPARE(members.ftp->text(), QString());
    QCOMPARE(w.scalar("SELECT \"HTTP\" || ' ' || \"FTP\" || ' ' || \"Type\" FROM \"Links\" WHERE \"Of_fish\"=" +
                      std::to_string(sp)),
             std::string("http:// ftp:// 1"));
    type(members.http, "www.tetra.de");
    QCOMPARE(w.scalar("SELECT \"HTTP\" FROM \"Links\" WHERE \"Of_fish\"=" + std::to_string(sp)),
             std::string("http://www.tetra.de"));
    type(members.name, "Tetra");
    QCOMPARE(members.list->item(0)->text(), QStringLiteral("Tetra"));
    // "Select..." offers the Type 1 links of other taxa only, in the "Links" dialog.
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<References*>(QApplication::activeModalWidget());
        if (!d) return;
        for (int i = 0; i < d->list()->count(); ++i) offered << d->list()->item(i)->text();
        d->accept();
    });
    QTest::mouseClick(members.select, Qt::LeftButton);
    QCOMPARE(offered, QStringList{"Dr. Weitzman"});
    QCOMPARE(members.list->count(), 2);
    QCOMPARE(members.email->text(), QStringLiteral("sw@example.org"));
    QCOMPARE(w.scalar("SELECT count(*) FROM \"Links\" WHERE \"Name\"='Dr. Weitzman'"), std::string("2"));
    members.list->setCurrentRow(0);
    p.answerNext(platform::Answer::Yes);
    QTest::mouseClick(members.remove, Qt::LeftButton);
    QCOMPARE(members.list->count(), 1);
    QCOMPARE(members.name->text(), QStringLiteral("Dr. Weitzman"));
    QCOMPARE(w.scalar("SELECT count(*) FROM \"Links\" WHERE \"Name\"='Tetra'"), std::string("0"));
    QCOMPARE(page->group(1).list->count(), 0);
}

void PropertiesWindow::stairCopiesCheckedPropertiesDown() {
    testenv::DocWorld w;
    std::int32_t genus = testtaxa::addTaxon(w.doc, "Paracheirodon", 512, 14);
    std::int32_t sp = testtaxa::addTaxon(w.doc, "innesi", 64, genus);
    writeSubField(w.doc, genus, Packed::Keep, kTemperature, "24");
    writeSubField(w.doc, genus, Packed::Keep, kPh, "6");
    writeSubField(w.doc, sp, Packed::Keep, kPh, "7");
    core::Settings s;
    platform::ScriptedPrompter p;
    CProperties sheet(w.doc, s, p, genus, "Genus");
    sheet.show();
    sheet.pages()->setCurrentIndex(2);
    CStair* stair = sheet.stair();
    QCOMPARE(stair->box("keep0")->text(), QStringLiteral("t = 24"));
    QVERIFY(!stair->box("keep0")->isEnabled());  // its group is off
    stair->keepGroup()->setChecked(true);
    QVERIFY(stair->box("keep0")->isEnabled());
    stair->box("keep0")->setFocus();
    QTest::keyClick(stair->box("keep0"), Qt::Key_Space);
    QVERIFY(stair->box("keep0")->isChecked());
    QTest::mouseClick(stair->copyButton(), Qt::LeftButton);
    QCOMPARE(column(w, "Keep_cond", sp), std::string("24|7|||||"));
    QCOMPARE(stair->status()->text(), QStringLiteral("Check nessessary boxes and press button on bottom"));
}

void PropertiesWindow::catalogueKeyOpensTheSheet() {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    core::Settings s;
    platform::ScriptedPrompter p;
    Fishcatal d(w.doc, s, p, ChooserRequest{"Fishes catalog", "Class Pisces", 14, t.innesi});
    d.show();
    QString caption;
    QTimer::singleShot(0, [&] {
        if (auto* sheet = qobject_cast<CProperties*>(QApplication::activeModalWidget())) {
            caption = sheet->windowTitle();
            sheet->accept();
        }
    });
    CComboTaxon* species = d.pathCombo(d.model().rowOfLevel(64));
    species->lineEdit()->setFocus();
    QTest::keyClick(species->lineEdit(), Qt::Key_F6);
    QCOMPARE(caption, QStringLiteral("Info about Species innesi"));
    QCOMPARE(column(w, "Keep_cond", t.innesi), std::string("||||||"));
    QTimer::singleShot(0, [] {
        if (auto* sheet = qobject_cast<CProperties*>(QApplication::activeModalWidget())) sheet->reject();
    });
    CComboTaxon* order = d.pathCombo(d.model().rowOfLevel(32768));  // no entry chosen there
    QTest::keyClick(order->lineEdit(), Qt::Key_F6);
    QCOMPARE(w.scalar("SELECT count(*) FROM \"Fishes\""), std::string("1"));
}

QTEST_MAIN(PropertiesWindow)
#include "window_properties.moc"
