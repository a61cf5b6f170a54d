// "Taxonomy report": the site's main page with the pages of the high
// taxonomy, run by the report runner like every other report.
#pragma once

#include <memory>

#include "platform/BackgroundWork.h"
#include "reports/Report.h"
#include "reports/ReportRunner.h"

namespace reports {

class TaxonomyReport : public Report {
public:
    // work, when given, is the one the report runs on: the messages of the
    // taxon pages are carried from it to env's prompter on the interface thread.
    TaxonomyReport(db::CFishesDoc& doc, const site::SiteEnv& env, platform::BackgroundWork* work = nullptr);

    std::string logTitle() const override;
    std::string output() const override;
    std::string pageTitle() const override;
    site::PageKind pageKind() const override { return site::PageKind::MainPage; }
    void writeBody(site::PageOut& out, const ItemLog& item) override;

private:
    db::CFishesDoc& doc_;
    site::SiteEnv env_;
    platform::BackgroundWork* work_;
};

// Starts the report on the runner; false while another job runs.
bool startTaxonomyReport(ReportRunner& runner, platform::BackgroundWork& work, db::CFishesDoc& doc,
                         const site::SiteEnv& env);

}  // namespace reports
