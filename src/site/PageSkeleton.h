// The frame every generated page shares: the template copied around a title
// and a body, the header and footer blocks with the time stamp, the messages
// of a page that cannot be written, and showing a finished page in the
// user's viewer or editor.
#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/Prompter.h"
#include "platform/TextFile.h"

namespace core {
struct Settings;
}

namespace site {

// What page writers need from the settings, plus the prompter for messages,
// the clock of the stamp and the launcher of the viewer (tests replace both).
struct SiteEnv {
    std::string workDir;
    std::string wwwServer;
    std::string eMail;
    int language = 0;
    std::string viewerCommand = "xdg-open ";
    std::string editorCommand = "xdg-open ";
    platform::Prompter* prompter = nullptr;
    std::function<std::time_t()> clock;                      // empty: now
    std::function<bool(const std::string&)> launch;          // empty: platform::startDetached

    std::time_t now() const { return clock ? clock() : std::time(nullptr); }
    void tell(const std::string& text) const;
    // A work-directory path written with backslashes, on disk.
    std::filesystem::path path(const std::string& backslashPath) const;
};

SiteEnv siteEnv(const core::Settings& settings, platform::Prompter& prompter);

// Where a page stands decides its header, its relative prefix and what comes
// before the stamp.
enum class PageKind {
    ClassPage,       // species and taxon pages in a class directory
    ClassesPage,     // taxon pages in "\Classes"
    TaxonomySurvey,  // "survey.html"
    FamilySurvey,    // "s%lu.html"
    MainPage,        // "Reedmere.html"
    Report,          // "\Reports\..."
};

struct PageFrame {
    bool header = true;
    std::string prefix;       // reaches the work directory: "../../", "../" or ""
    std::string beforeStamp;  // separator and back link of the footer
};

PageFrame frameOf(PageKind kind);

using PageOut = platform::TextFileWriter;
// Writes the body in UTF-8 through out.write(); may throw, which leaves any
// earlier page of that name as it was.
using BodyWriter = std::function<void(PageOut& out)>;

struct PageRequest {
    std::filesystem::path output;
    std::string title;                        // "<title>...</title>\n"
    PageFrame frame;
    std::string templatePath = "\\blank.html";  // below the work directory
    // The template's own body follows the generated one instead of leading
    // it (the price lists and the bulletin page copy their contact text after
    // the table).
    bool templateBodyLast = false;
};

// Writes one page; false (after the message) when the template is absent or
// the output cannot be written. The page is not shown.
bool writePage(const SiteEnv& env, const PageRequest& page, const BodyWriter& body);
bool writePage(const SiteEnv& env, const std::filesystem::path& output, const std::string& title,
               PageKind kind, const BodyWriter& body);

// "%H:%M:%S %d %b %Y" with the English month abbreviation whatever the locale.
std::string timeStamp(std::time_t t);

// A page of the web site: the server's address and the page name joined by
// exactly one "/" (the setting may or may not end in one).
std::string webPage(const std::string& wwwServer, const std::string& page);

std::string headerBlock(const std::string& wwwServer, const std::string& prefix);
std::string footerBlock(const PageFrame& frame, const std::string& wwwServer, const std::string& stamp);

// The command text immediately followed by the path (quoted by shell rules
// only when it holds characters the splitter would take apart).
std::string commandLine(const std::string& command, const std::string& path);

// Opens a page, or an address, in the viewer or the editor.
bool showPage(const SiteEnv& env, const std::string& target);
bool editPage(const SiteEnv& env, const std::string& target);

}  // namespace site
