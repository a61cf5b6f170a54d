// The catalogue's page commands: F5 shows the generated page in the viewer,
// F7 opens it in the editor, and closing a card rewrites existing pages.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

#include "SiteWorld.h"
#include "core/Settings.h"
#include "ui/catalogue/CComboTaxon.h"
#include "catalogue/CatalogueCommands.h"
#include "ui/catalogue/Fishcatal.h"

using namespace sitetest;

namespace {

struct CatalogueWorld : SiteWorld {
    core::Settings settings;
    fs::path viewerLog = root() / "viewer.log";
    fs::path editorLog = root() / "editor.log";
    CatalogueWorld() {
        fs::create_directories(workDir() / "Classes" / "Monocotyledones" / "Images");
        exec("INSERT INTO \"Reedmere\" (\"Cod\",\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") VALUES "
             "(7001,'Bleeker, 1850',512,'Betta',14,14),(7002,'Regan, 1910',64,'splendens',7001,14),"
             "(7011,'Schott, 1857',512,'Anubias',12129,12129),(7012,'Schott, 1860',64,'barteri',7011,12129)");
        settings.Application_path = workDir().string();
        settings.viewerCommand = recorder("viewer", viewerLog) + " ";
        settings.editorCommand = recorder("editor", editorLog) + " ";
    }
    // A viewer that notes the arguments it was started with.
    std::string recorder(const std::string& name, const fs::path& log) {
        fs::path script = root() / (name + ".sh");
        writeBytes(script, "#!/bin/sh\necho \"$@\" >> '" + log.string() + "'\n");
        ::chmod(script.c_str(), 0755);
        return script.string();
    }
    std::string logOf(const fs::path& log) {
        std::string text;
        platform::readBytes(log, text);
        return text;
    }
};

catalogue::ChooserRequest request(int classCode, int start) {
    return catalogue::ChooserRequest{"Catalog", "Class", classCode, start};
}

}  // namespace

class FishcatalPages : public QObject {
    Q_OBJECT
private slots:
    void f5ShowsTheGeneratedPageAndF7EditsIt();
    void closingThePlantCardRewritesItsExistingPage();
};

void FishcatalPages::f5ShowsTheGeneratedPageAndF7EditsIt() {
    CatalogueWorld w;
    Fishcatal d(w.doc, w.settings, w.prompter, request(14, 7002));
    const int species = d.model().rowOfLevel(64);
    QVERIFY(species >= 0);
    QTest::keyClick(d.pathCombo(species)->lineEdit(), Qt::Key_F5);
    const fs::path page = w.pisces() / "m7002.html";
    QVERIFY(fs::exists(page));
    QTRY_COMPARE_WITH_TIMEOUT(w.logOf(w.viewerLog), page.string() + "\n", 10000);
    const std::string bytes = bytesOf(page);
    QVERIFY(bytes.find("<title>Species splendens</title>") != std::string::npos);

    QTest::keyClick(d.pathCombo(species)->lineEdit(), Qt::Key_F7);
    QTRY_COMPARE_WITH_TIMEOUT(w.logOf(w.editorLog), page.string() + "\n", 10000);

    // The web-server mode opens the class page there instead.
    w.settings.WWW = 1;
    w.settings.WWW_server = "http://www.reedmere.org";
    emit d.pathCombo(species)->command(catalogue::kCmdViewInfo);
    QTRY_COMPARE_WITH_TIMEOUT(w.logOf(w.viewerLog),
                              page.string() + "\nhttp://www.reedmere.org/Classes/Pisces/1.html\n", 10000);
    QVERIFY(w.prompter.shown().empty());
}

void FishcatalPages::closingThePlantCardRewritesItsExistingPage() {
    CatalogueWorld w;
    const fs::path page = w.workDir() / "Classes" / "Monocotyledones" / "m7012.html";
    writeBytes(page, "stale");
    Fishcatal d(w.doc, w.settings, w.prompter, request(12129, 7012));
    QString title;
    QTimer::singleShot(0, [&] {
        if (auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            title = sheet->windowTitle();
            sheet->accept();
        }
    });
    emit d.pathCombo(d.model().rowOfLevel(64))->command(catalogue::kCmdEditInfo);
    QCOMPARE(title, QStringLiteral("Info about Species barteri"));
    QCOMPARE(w.scalar("SELECT \"Keep_cond\" FROM \"Plants\" WHERE \"Of_cod\"=7012"), std::string("|||"));
    QVERIFY(bytesOf(page).find("<title>Species barteri</title>") != std::string::npos);
    QVERIFY(!fs::exists(w.workDir() / "Classes" / "Monocotyledones" / "m7011.html"));
}

QTEST_MAIN(FishcatalPages)
#include "window_fishcatal_pages.moc"
