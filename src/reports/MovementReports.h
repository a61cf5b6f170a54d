// The movements of the balance period, started by the main view's "Sold",
// "Died" and "Gifted" buttons: lots born, bought and sold; lots that lost
// animals; lots that gave animals away; each with its "In all" row. The
// period counts from 00:00 of its first day to the end of its last, as the
// balance panel counts it, so the totals equal the panel's.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "farm/Balance.h"
#include "reports/Report.h"
#include "reports/ReportRunner.h"

namespace farm {
class TaxonNames;
}

namespace reports {

enum class Movement { Sold, Died, Gifted };

// The "In all" row.
struct MovementTotals {
    std::int64_t born = 0;
    std::int64_t bought = 0, boughtCents = 0;
    std::int64_t sold = 0, soldCents = 0;
    std::int64_t died = 0, gifted = 0;
};

class MovementReport : public Report {
public:
    MovementReport(ReportContext context, Movement movement, farm::BalancePeriod period);
    std::string logTitle() const override;
    std::string output() const override;
    std::string pageTitle() const override;
    void writeBody(site::PageOut& out, const ItemLog& item) override;
    // The totals of the last page written.
    const MovementTotals& totals() const { return totals_; }

private:
    std::string lotFilter() const;
    // Requeries l on the period's lots, in lot order, and reads their names.
    void readLots(db::My_Fish& l, farm::TaxonNames& names) const;
    void writeSold(site::PageOut& out, const ItemLog& item);
    void writeLost(site::PageOut& out, const ItemLog& item);

    ReportContext c_;
    Movement movement_;
    farm::BalancePeriod period_;
    MovementTotals totals_;
};

// The period of the reports: "from" is Balance_from, "to" the balance
// panel's field (today when empty).
farm::BalancePeriod movementPeriod(const core::Settings& settings, const std::string& toField);

bool startMovementReport(ReportRunner& runner, const ReportContext& context, Movement movement,
                         const farm::BalancePeriod& period);

}  // namespace reports
