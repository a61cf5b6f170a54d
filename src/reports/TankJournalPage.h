// "Journal of tank ...": a page under "\Reports" with the tank's water
// journal as a chart (an SVG picture in the page), the safe ranges the
// species' cards give, and the journal's lines as a table.
#pragma once

#include <string>

#include "reports/JournalChart.h"
#include "reports/Report.h"

namespace reports {

class TankJournalPage : public Report {
public:
    TankJournalPage(ReportContext context, int tank);
    std::string logTitle() const override;
    // "\Reports\journal<code>.html"
    std::string output() const override;
    std::string pageTitle() const override;
    void writeBody(site::PageOut& out, const ItemLog& item) override;

private:
    std::string tankName() const;
    ReportContext c_;
    int tank_;
};

}  // namespace reports
