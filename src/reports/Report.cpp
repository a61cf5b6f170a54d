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

bool Report::produce(const site::SiteEnv& env, const ItemLog& item) {
    const std::filesystem::path page = env.path(output());
    // A work directory chosen after start-up may lack the folder.
    std::error_code ec;
    std::filesystem::create_directories(page.parent_path(), ec);
    bool written = site::writePage(env, page, pageTitle(), pageKind(),
                                   [&](site::PageOut& out) { writeBody(out, item); });
    if (written) site::showPage(env, page.string());
    return written;
}

bool writeAndShow(Report& report, const site::SiteEnv& env, const ItemLog& item) {
    const ItemLog ignore = [](const std::string&) {};
    return report.produce(env, item ? item : ignore);
}

}  // namespace reports
