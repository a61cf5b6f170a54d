// The picture page driven by clicks and typing on a real database and disk.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QtTest>

#include "SiteWorld.h"
#include <QCheckBox>
#include <QTabWidget>

#include "core/Settings.h"
#include "ui/catalogue/CProperties.h"
#include "ui/catalogue/CStair.h"
#include "ui/catalogue/CPictures.h"

using namespace sitetest;

namespace {

struct PictureWorld : SiteWorld {
    fs::path camera = root() / "camera";
    PictureWorld() {
        exec("INSERT INTO \"Reedmere\" (\"Cod\",\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") VALUES "
             "(7005,', ',64,'splendens',14,14),(7006,', ',64,'barteri',12129,12129)");
        fs::create_directories(workDir() / "Classes" / "Monocotyledones" / "Images");
        for (const char* f : {"one.jpg", "two.gif", "three.jpeg"}) writeBytes(camera / f, f);
        touch(images() / "m7005_a.jpg");
    }
    QStringList shots() const {
        QStringList files;
        for (const char* f : {"one.jpg", "two.gif", "three.jpeg"})
            files << QString::fromStdString((camera / f).string());
        return files;
    }
};

QStringList itemsOf(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

}  // namespace

class CPicturesWindow : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstStageWithPictureButtonsDisabled();
    void newImportsSeveralFilesFromTheLastFolder();
    void deleteAsksAndClosesTheGap();
    void maxLengthWritesTheStageSize();
    void plantVariantWritesDiameterAndRoot();
    void animalSheetCarriesThePicturesPage();
};

void CPicturesWindow::opensOnTheFirstStageWithPictureButtonsDisabled() {
    PictureWorld w;
    CPictures page(w.doc, w.env, site::Group::Animal, 7005);
    QCOMPARE(page.stageList()->currentRow(), 0);
    QCOMPARE(itemsOf(page.stageList()),
             (QStringList{"Male", "Female", "Juvenile", "Larva", "Eggs"}));
    QCOMPARE(itemsOf(page.pictureList()), QStringList{"m7005_a.jpg"});
    QCOMPARE(page.bringButton()->text(), QStringLiteral("Bring to females"));
    QVERIFY(!page.deleteButton()->isEnabled());
    QVERIFY(!page.exchangeButton()->isEnabled());
    QVERIFY(!page.bringButton()->isEnabled());
    QVERIFY(page.newButton()->isEnabled());
    QCOMPARE(page.preview()->source(), QUrl::fromLocalFile(QString::fromStdString((w.workDir() / "temp.html").string())));
    QVERIFY(fs::exists(w.workDir() / "temp.html"));
    // The quarter width of the page is shown as pixels of the view.
    page.resize(900, 500);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QString shown = page.preview()->toHtml();
    QVERIFY(shown.contains("m7005_a.jpg"));
    QVERIFY(!shown.contains("width=\"-"));
    const int quarter = page.preview()->viewport()->width() / 4 - 4;
    QVERIFY2(shown.contains(QStringLiteral("width=\"%1\"").arg(quarter)), qPrintable(shown));

    page.stageList()->setCurrentRow(1);
    QCOMPARE(page.bringButton()->text(), QStringLiteral("Bring to males"));
    QCOMPARE(page.pictureList()->count(), 0);
    page.stageList()->setCurrentRow(2);
    QCOMPARE(page.bringButton()->text(), QStringLiteral("Bring to..."));

    page.stageList()->setCurrentRow(0);
    page.pictureList()->setCurrentRow(0);
    QVERIFY(page.deleteButton()->isEnabled());
    QVERIFY(page.bringButton()->isEnabled());
    QVERIFY2(!page.exchangeButton()->isEnabled(), "the first picture is first already");
}

void CPicturesWindow::newImportsSeveralFilesFromTheLastFolder() {
    PictureWorld w;
    site::lastImportFolder() = "/somewhere/else";
    CPictures page(w.doc, w.env, site::Group::Animal, 7005);
    QString title, folder, filter;
    page.setFileChooser([&](QWidget*, const QString& t, const QString& f, const QString& flt) {
        title = t;
        folder = f;
        filter = flt;
        return w.shots();
    });
    QTest::mouseClick(page.newButton(), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Select one or more pictures"));
    QCOMPARE(folder, QStringLiteral("/somewhere/else"));
    QVERIFY(filter.contains("*.bmp") && filter.contains("*.gif") && filter.contains("*.jpg"));
    QCOMPARE(itemsOf(page.pictureList()), (QStringList{"m7005_a.jpg", "m7005_b.jpg", "m7005_c.gif", "m7005_d.peg"}));
    QCOMPARE(QString::fromStdString(site::lastImportFolder()), QString::fromStdString(w.camera.string()));
    const std::string preview = bytesOf(w.workDir() / "temp.html");
    QVERIFY(preview.find("alt=\"-Male- m7005_d.peg\"><br>\r\n</body>") != std::string::npos);

    // Cancelled: nothing changes.
    page.setFileChooser([](QWidget*, const QString&, const QString&, const QString&) { return QStringList(); });
    QTest::mouseClick(page.newButton(), Qt::LeftButton);
    QCOMPARE(page.pictureList()->count(), 4);

    page.pictureList()->setCurrentRow(3);
    QTest::mouseClick(page.exchangeButton(), Qt::LeftButton);
    QCOMPARE(itemsOf(page.pictureList()), (QStringList{"m7005_a.peg", "m7005_b.jpg", "m7005_c.gif", "m7005_d.jpg"}));
    page.pictureList()->setCurrentRow(2);
    QTest::mouseClick(page.bringButton(), Qt::LeftButton);
    QCOMPARE(itemsOf(page.pictureList()), (QStringList{"m7005_a.peg", "m7005_b.jpg", "m7005_c.jpg"}));
    page.stageList()->setCurrentRow(1);
    QCOMPARE(itemsOf(page.pictureList()), QStringList{"f7005_a.gif"});
}

void CPicturesWindow::deleteAsksAndClosesTheGap() {
    PictureWorld w;
    w.touch(w.images() / "m7005_b.gif");
    w.touch(w.images() / "m7005_c.png");
    CPictures page(w.doc, w.env, site::Group::Animal, 7005);
    page.pictureList()->setCurrentRow(1);
    w.prompter.answerNext(platform::Answer::No);
    QTest::mouseClick(page.deleteButton(), Qt::LeftButton);
    QCOMPARE(page.pictureList()->count(), 3);
    w.prompter.answerNext(platform::Answer::Yes);
    QTest::mouseClick(page.deleteButton(), Qt::LeftButton);
    QCOMPARE(w.prompter.lastText(), std::string("      Are you sure?"));
    QCOMPARE(itemsOf(page.pictureList()), (QStringList{"m7005_a.jpg", "m7005_b.png"}));
    QVERIFY(!page.deleteButton()->isEnabled());
}

void CPicturesWindow::maxLengthWritesTheStageSize() {
    PictureWorld w;
    CPictures page(w.doc, w.env, site::Group::Animal, 7005);
    QSignalSpy changed(&page, &CPictures::lengthChanged);
    QTest::keyClicks(page.maxLength(), "40");
    QCOMPARE(w.scalar("SELECT \"M_len\" FROM \"Fishes\" WHERE \"Of_fish\"=7005"), std::string("40"));
    QCOMPARE(changed.last().at(1).toString(), QStringLiteral("40 mm"));
    page.stageList()->setCurrentRow(4);
    QCOMPARE(page.maxLength()->text(), QString());
    QTest::keyClicks(page.maxLength(), "1");
    page.stageList()->setCurrentRow(0);
    QCOMPARE(page.maxLength()->text(), QStringLiteral("40"));
    QCOMPARE(w.scalar("SELECT \"M_len\"||'/'||\"Egg_size\"||'/'||\"F_len\" FROM \"Fishes\" WHERE \"Of_fish\"=7005"),
             std::string("40/1/"));
    QVERIFY(w.prompter.shown().empty());
}

void CPicturesWindow::plantVariantWritesDiameterAndRoot() {
    PictureWorld w;
    CPictPlant page(w.doc, w.env, 7006);
    QCOMPARE(itemsOf(page.stageList()), (QStringList{"Adult", "Sprout", "Flower", "Seed"}));
    QCOMPARE(page.bringButton()->text(), QStringLiteral("Bring to sprouts"));
    QTest::keyClicks(page.maxLength(), "300");
    QTest::keyClicks(page.diameter(), "120");
    QTest::keyClicks(page.root(), "80");
    QCOMPARE(w.scalar("SELECT \"Height\"||'/'||\"Diameter\"||'/'||\"Root\"||'/'||\"Spr_size\"||'/'||\"Keep_cond\" "
                      "FROM \"Plants\" WHERE \"Of_cod\"=7006"),
             std::string("300/120/80//|||"));
}

void CPicturesWindow::animalSheetCarriesThePicturesPage() {
    PictureWorld w;
    core::Settings settings;
    settings.Application_path = w.workDir().string();
    CProperties sheet(w.doc, settings, w.prompter, 7005, "Species");
    QCOMPARE(sheet.pages()->tabText(2), QStringLiteral("Pictures"));
    QCOMPARE(itemsOf(sheet.picturesPage()->pictureList()), QStringList{"m7005_a.jpg"});
    QTest::keyClicks(sheet.picturesPage()->maxLength(), "40");
    QCOMPARE(w.scalar("SELECT \"M_len\" FROM \"Fishes\" WHERE \"Of_fish\"=7005"), std::string("40"));
    QCOMPARE(sheet.stair()->box("maleLength")->text(), QStringLiteral("Male length = 40 mm"));
    QVERIFY(w.prompter.shown().empty());
}

QTEST_MAIN(CPicturesWindow)
#include "window_cpictures.moc"
