// The catalogue window's generation runs: the commands of the taxon menu
// run off the interface thread, with the controls disabled, "Stop Report!"
// shown and the status line naming the taxon; stop and close end a run.
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <sys/stat.h>

#include "SurveyWorld.h"
#include "catalogue/CatalogueCommands.h"
#include "core/Settings.h"
#include "db/Odbc.h"
#include "ui/catalogue/CComboTaxon.h"
#include "ui/catalogue/Fishcatal.h"

using namespace sitetest;

namespace {

constexpr int kGenera = 40;
constexpr int kSpeciesPerGenus = 50;

// Pisces > Perciformes > Osphronemidae with 40 genera of 50 species each
// (a run long enough to be stopped), and 39 more families.
struct CatalogueWorld : SurveyWorld {
    core::Settings settings;
    fs::path viewerLog = root() / "viewer.log";
    CatalogueWorld() {
        db::Transaction t(conn());
        taxon(1100, 65536, "Perciformes", "Bleeker, 1859", 14);
        taxon(1200, 4096, "Osphronemidae", "van der Hoeven, 1832", 1100);
        for (int g = 0; g < kGenera; ++g) {
            const int genus = 2000 + g * 100;
            taxon(genus, 512, "Genus" + std::to_string(100 + g), ", ", 1200);
            for (int s = 0; s < kSpeciesPerGenus; ++s)
                taxon(genus + 1 + s, 64, "species" + std::to_string(100 + s), ", ", genus);
        }
        for (int f = 0; f < 39; ++f) taxon(9000 + f, 4096, "Familia" + std::to_string(100 + f), ", ", 1100);
        t.commit();
        settings.Application_path = workDir().string();
        settings.WWW_server = "http://www.reedmere.org/";
        settings.viewerCommand = recorder(viewerLog) + " ";
    }
    std::string recorder(const fs::path& log) {
        fs::path script = root() / "viewer.sh";
        writeBytes(script, "#!/bin/sh\necho \"$@\" >> '" + log.string() + "'\n");
        ::chmod(script.c_str(), 0755);
        return script.string();
    }
    std::string viewed() {
        std::string text;
        platform::readBytes(viewerLog, text);
        return text;
    }
};

catalogue::ChooserRequest request(int start) { return catalogue::ChooserRequest{"Fishes catalog", "Class Pisces", 14, start}; }

bool controlsEnabled(Fishcatal& d) {
    return d.pathCombo(0)->isEnabledTo(&d) && d.enableFind()->isEnabled() && d.fullNameLine()->isEnabled() &&
           d.findChild<QDialogButtonBox*>()->isEnabled();
}

}  // namespace

class FishcatalSurveys : public QObject {
    Q_OBJECT
private slots:
    void taxonomySurveyIsWrittenAndShown();
    void familiesSurveysWriteEveryFamilyAndShowNone();
    void stopBetweenTwoTaxaEndsTheRunAndBringsTheControlsBack();
    void closingDuringARunStopsAndWaits();
};

void FishcatalSurveys::taxonomySurveyIsWrittenAndShown() {
    CatalogueWorld w;
    Fishcatal d(w.doc, w.settings, w.prompter, request(1200));
    const int family = d.model().rowOfLevel(4096);
    emit d.pathCombo(family)->command(catalogue::kCmdTaxonomySurvey);
    QTRY_VERIFY_WITH_TIMEOUT(!d.generating(), 20000);
    const fs::path survey = w.pisces() / "survey.html";
    QVERIFY(fs::exists(survey));
    QVERIFY(bytesOf(survey).find("(contains 40 Genus, 2000 Species) ") != std::string::npos);
    QTRY_COMPARE_WITH_TIMEOUT(w.viewed(), survey.string() + "\n", 10000);

    // The family's own survey, shown as well.
    emit d.pathCombo(family)->command(catalogue::kCmdFamilySurvey);
    QTRY_VERIFY_WITH_TIMEOUT(!d.generating(), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(w.viewed(), survey.string() + "\n" + (w.pisces() / "s1200.html").string() + "\n",
                              10000);
    QVERIFY(w.prompter.shown().empty());
}

void FishcatalSurveys::familiesSurveysWriteEveryFamilyAndShowNone() {
    CatalogueWorld w;
    Fishcatal d(w.doc, w.settings, w.prompter, request(14));
    emit d.pathCombo(0)->command(catalogue::kCmdFamiliesSurveys);
    QTRY_VERIFY_WITH_TIMEOUT(!d.generating(), 20000);
    QCOMPARE(w.pagesIn(w.pisces(), "s").size(), std::size_t(40));
    QTest::qWait(200);
    QCOMPARE(w.viewed(), std::string());
    QVERIFY(controlsEnabled(d));
}

void FishcatalSurveys::stopBetweenTwoTaxaEndsTheRunAndBringsTheControlsBack() {
    CatalogueWorld w;
    Fishcatal d(w.doc, w.settings, w.prompter, request(1200));
    d.show();
    const int family = d.model().rowOfLevel(4096);
    QVERIFY(!d.stopReport()->isVisible());
    const QString before = d.statusLine()->text();

    emit d.pathCombo(family)->command(catalogue::kCmdAddStair);
    QVERIFY(d.generating());
    QVERIFY(d.stopReport()->isVisible());
    QVERIFY(!d.pathCombo(family)->isEnabledTo(&d) && !d.enableFind()->isEnabled());
    // The status line names the taxon being worked on.
    QTRY_VERIFY_WITH_TIMEOUT(d.statusLine()->text().startsWith(QStringLiteral("Genus Genus100")) ||
                                 d.statusLine()->text().startsWith(QStringLiteral("Species ")),
                             20000);
    QTest::mouseClick(d.stopReport(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!d.generating(), 20000);

    const std::size_t written = w.pagesIn(w.pisces()).size();
    QVERIFY2(written >= 2 && written < 1 + kGenera * (1 + kSpeciesPerGenus), std::to_string(written).c_str());
    QVERIFY(!d.stopReport()->isVisible());
    QVERIFY(controlsEnabled(d));
    QCOMPARE(d.statusLine()->text(), before);
    QTest::qWait(200);
    QCOMPARE(w.viewed(), std::string());  // a stopped run shows nothing

    // The window works again: the next run goes to its end and shows the page.
    emit d.pathCombo(d.model().rowOfLevel(65536))->command(catalogue::kCmdAddStair);
    QTRY_VERIFY_WITH_TIMEOUT(!d.generating(), 60000);
    QCOMPARE(w.pagesIn(w.pisces()).size(), std::size_t(2 + 39 + kGenera * (1 + kSpeciesPerGenus)));
    QTRY_COMPARE_WITH_TIMEOUT(w.viewed(), (w.pisces() / "m1100.html").string() + "\n", 10000);
}

void FishcatalSurveys::closingDuringARunStopsAndWaits() {
    CatalogueWorld w;
    auto* d = new Fishcatal(w.doc, w.settings, w.prompter, request(1200));
    d->show();
    emit d->pathCombo(d->model().rowOfLevel(4096))->command(catalogue::kCmdAddStair);
    QVERIFY(d->generating());
    QTest::keyClick(d, Qt::Key_Escape);
    QVERIFY(!d->generating());
    QVERIFY(!d->isVisible());
    const std::size_t written = w.pagesIn(w.pisces()).size();
    delete d;
    QTest::qWait(200);
    // Nothing goes on behind the closed window.
    QCOMPARE(w.pagesIn(w.pisces()).size(), written);
    QVERIFY(written < std::size_t(1 + kGenera * (1 + kSpeciesPerGenus)));
    QCOMPARE(w.viewed(), std::string());
}

QTEST_MAIN(FishcatalSurveys)
#include "window_fishcatal_surveys.moc"
