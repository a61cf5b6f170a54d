#include "reports/Report.h"

namespace reports {

ReportContext reportContext(db::CFishesDoc& doc, const core::Settings& settings, platform::Prompter& prompter) {
    ReportContext c;
    c.doc = &doc;
    c.env = site::siteEnv(settings, prompter);
    c.farmName = settings.Fishbreeder;
    c.emptyTankName = settings.Empty_tank;
    return c;
}

bool writeAndShow(Report& report, const site::SiteEnv& env, const ItemLog& item) {
    const ItemLog ignore = [](const std::string&) {};
    const std::filesystem::path page = env.path(report.output());
    // A work directory chosen after start-up may lack the folder.
    std::error_code ec;
    std::filesystem::create_directories(page.parent_path(), ec);
    bool written = site::writePage(env, page, report.pageTitle(), report.pageKind(),
                                   [&](site::PageOut& out) { report.writeBody(out, item ? item : ignore); });
    if (written) site::showPage(env, page.string());
    return written;
}

}  // namespace reports
