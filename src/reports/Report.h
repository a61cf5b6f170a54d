// A report: one page under the work directory, written from the farm's
// rows, naming each item it writes. The same object is written either off
// the interface thread by the report runner or at once by a dialog.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "db/CFishesDoc.h"
#include "site/PageSkeleton.h"

namespace reports {

// Called with the name of every item the page gets (a tank, a lot, a
// spawning); the runner turns each into a log line.
using ItemLog = std::function<void(const std::string& item)>;

class Report {
public:
    virtual ~Report() = default;
    // The runner's first log line: "************** Fishes report *************".
    virtual std::string logTitle() const = 0;
    // Below the work directory, with backslashes: "\Reports\fishes.html".
    virtual std::string output() const = 0;
    // "<title>...</title>\n".
    virtual std::string pageTitle() const = 0;
    // Writes everything between the page's header and its footer.
    virtual void writeBody(site::PageOut& out, const ItemLog& item) = 0;
    // Writes the output and shows it, with the environment of this run (its
    // prompter answers on the thread that writes). By default a page from
    // "\blank.html" in the report frame; a report with a template of its
    // own, or a data file, writes its own way. False after the message.
    virtual bool produce(const site::SiteEnv& env, const ItemLog& item);
    // Where the page stands, which decides its header and footer.
    virtual site::PageKind pageKind() const { return site::PageKind::Report; }
};

// What every report reads besides the rows: the document, the page
// environment and the two names the settings give the farm's pages.
struct ReportContext {
    db::CFishesDoc* doc = nullptr;
    site::SiteEnv env;
    std::string farmName;       // Fishbreeder
    std::string emptyTankName;  // Empty_tank
};

ReportContext reportContext(db::CFishesDoc& doc, const core::Settings& settings, platform::Prompter& prompter);

// Writes the page and shows it in the viewer, on the calling thread; false
// (after the page skeleton's message) when the page could not be written.
// A database error propagates and leaves any earlier page as it was.
bool writeAndShow(Report& report, const site::SiteEnv& env, const ItemLog& item = {});

}  // namespace reports
