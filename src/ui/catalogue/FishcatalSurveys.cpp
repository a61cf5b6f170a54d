// The catalogue window's generation runs: the taxonomy survey, the family
// surveys and the htm-stair, one at a time off the interface thread. While
// a run goes on the window's controls are disabled (the run reads the same
// record objects), "Stop Report!" is shown and the status line names the
// taxon being worked on.
#include "ui/catalogue/Fishcatal.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QPushButton>

#include <mutex>

#include "catalogue/CatalogueCommands.h"
#include "platform/BackgroundWork.h"
#include "site/Surveys.h"

using namespace catalogue;

namespace {

// A failed run's text stands in the status line (its message box is shown too).
class StatusLog : public platform::Log {
public:
    explicit StatusLog(QLabel* label) : label_(label) {}
    void line(const std::string& text) override { label_->setText(QString::fromStdString(text)); }
    void clear() override { label_->clear(); }

private:
    QLabel* label_;
};

const char* runTitle(int id) {
    switch (id) {
    case kCmdTaxonomySurvey: return "Taxonomy survey";
    case kCmdFamiliesSurveys: return "Families surveys";
    case kCmdFamilySurvey: return "Family survey";
    default: return "Htm-stair";
    }
}

}  // namespace

struct Fishcatal::Generation {
    Generation(platform::Prompter& prompter, QLabel* status) : log(status), work(prompter, log) {}
    StatusLog log;
    platform::BackgroundWork work;
    // The newest taxon named by the run; at most one update waits for the
    // interface thread, so a fast run does not flood it.
    std::mutex mutex;
    std::string latest;
    bool posted = false;
    QString statusBefore;
    bool closing = false;
};

bool Fishcatal::generating() const { return generation_ && generation_->work.busy(); }

void Fishcatal::runGeneration(int row, int id) {
    const CatalogueRow& r = model_.rows()[static_cast<std::size_t>(row)];
    const bool chosen = r.selected >= 0;
    if ((id == kCmdAddStair || id == kCmdFamilySurvey) && !chosen) return;
    const Taxon taxon = chosen ? r.path[static_cast<std::size_t>(r.selected)] : model_.current();
    if (id == kCmdFamilySurvey && taxon.classific != kFamilyLevel) return;

    if (!generation_) {
        generation_ = std::make_shared<Generation>(prompter_, status_);
        connect(&generation_->work, &platform::BackgroundWork::ended, this,
                [this](platform::JobEnd end) { generationEnded(end == platform::JobEnd::Stopped); });
    }
    Generation* g = generation_.get();
    const site::SiteEnv env = site::siteEnv(settings_, prompter_);
    const std::int32_t shownClass = model_.classCode();
    const std::string label = r.label;
    db::CFishesDoc* doc = &doc_;
    auto progress = [this, g](const std::string& text) {
        std::lock_guard<std::mutex> lock(g->mutex);
        g->latest = text;
        if (g->posted) return;
        g->posted = true;
        QMetaObject::invokeMethod(
            this,
            [this, g] {
                std::string shown;
                {
                    std::lock_guard<std::mutex> lock(g->mutex);
                    shown = g->latest;
                    g->posted = false;
                }
                if (g->work.busy() && !g->closing) status_->setText(QString::fromStdString(shown));
            },
            Qt::QueuedConnection);
    };

    setGenerating(true);
    const bool started = g->work.start(runTitle(id), [=](platform::JobContext& job) {
        site::SiteEnv jobEnv = env;
        jobEnv.prompter = &job.prompter();
        site::RunControl run;
        run.stopRequested = [&job] { return job.stopRequested(); };
        run.progress = progress;
        site::RunResult result;
        switch (id) {
        case kCmdTaxonomySurvey: result = site::writeTaxonomySurvey(*doc, jobEnv, shownClass, run); break;
        case kCmdFamiliesSurveys: result = site::writeFamilySurveys(*doc, jobEnv, run); break;
        case kCmdFamilySurvey: result = site::writeFamilySurvey(*doc, jobEnv, taxon.cod, run); break;
        default: result = site::writeDescendantPages(*doc, jobEnv, taxon.cod, label, run); break;
        }
        // A stopped run's page stays unshown.
        if (result.written && !result.page.empty() && !job.stopRequested())
            site::showPage(jobEnv, result.page.string());
    });
    if (!started) setGenerating(false);
}

void Fishcatal::setGenerating(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{rowsHost_, enableFind_, commonNames_, synonyms_, fullName_,
                                                      buttons_})
        w->setEnabled(!on);
    stopReport_->setVisible(on);
    stopReport_->setEnabled(on);
    if (on) {
        generation_->statusBefore = status_->text();
    } else {
        status_->setText(generation_->statusBefore);
    }
}

void Fishcatal::generationEnded(bool) { setGenerating(false); }

void Fishcatal::stopGeneration() {
    if (generating()) generation_->work.requestStop();
}

void Fishcatal::closeGeneration() {
    if (!generating()) return;
    generation_->closing = true;
    generation_->work.requestStop();
    generation_->work.wait();
    generation_->closing = false;
}

void Fishcatal::done(int result) {
    closeGeneration();
    QDialog::done(result);
}
