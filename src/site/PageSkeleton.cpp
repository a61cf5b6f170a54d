#include "site/PageSkeleton.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "core/Settings.h"
#include "core/WorkPaths.h"
#include "platform/ProcessStart.h"

namespace site {

namespace fs = std::filesystem;

void SiteEnv::tell(const std::string& text) const {
    if (prompter) prompter->tell(text, platform::MessageKind::Warning);
}

fs::path SiteEnv::path(const std::string& backslashPath) const { return core::workPath(workDir, backslashPath); }

SiteEnv siteEnv(const core::Settings& s, platform::Prompter& prompter) {
    SiteEnv env;
    env.workDir = s.Application_path;
    env.wwwServer = s.WWW_server;
    env.eMail = s.E_mail;
    env.language = s.Default_language;
    env.viewerCommand = s.viewerCommand;
    env.editorCommand = s.editorCommand;
    env.prompter = &prompter;
    return env;
}

PageFrame frameOf(PageKind kind) {
    switch (kind) {
    case PageKind::ClassPage: return {true, "../../", "<br><hr>\n"};
    case PageKind::ClassesPage: return {true, "../", "<br><hr>\n"};
    case PageKind::TaxonomySurvey:
        return {false, "../../", "<hr>\n<p align=\"center\"><a href=\"../../Reedmere.html\">Back to Catalogue</a></p>"};
    case PageKind::FamilySurvey: return {false, "../../", "<hr>\n"};
    case PageKind::MainPage: return {true, "", "<hr>\n"};
    case PageKind::Report:
        return {true, "../", "<p align=\"center\"><a href=\"../index.html\">Back to Homepage</a></p>\n"};
    }
    return {};
}

std::string timeStamp(std::time_t t) {
    static const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d %02d %s %d", tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_mday,
                  kMonths[tm.tm_mon % 12], tm.tm_year + 1900);
    return buf;
}

std::string webPage(const std::string& www, const std::string& page) {
    std::size_t end = www.size();
    while (end > 0 && www[end - 1] == '/') --end;
    return www.substr(0, end) + "/" + page;
}

std::string headerBlock(const std::string& www, const std::string& prefix) {
    return "<p align=\"center\"><a href=\"" + webPage(www, "program.html") + "\">\n" +
           "<img src=\"" + prefix + "logo.gif\" border=\"0\" alt=\"Reed Mere\"><br>\n" +
           "<img src=\"" + prefix + "title.jpg\" border=\"0\" alt=\"Reed Mere\"></a><br>\n";
}

std::string footerBlock(const PageFrame& frame, const std::string& www, const std::string& stamp) {
    return frame.beforeStamp + "<p align=\"center\"><a href=\"" + webPage(www, "program.html") + "\">\n" +
           "<img src=\"" + frame.prefix + "Reedmere.jpg\" border=\"0\" alt=\"Autoprepared by Reed Mere at " + stamp +
           "\"></a></p>\n" + "</body>\n</html>\n";
}

namespace {

// The template's lines without their line ends, bytes as they are.
std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        pos = end + 1;
    }
    return lines;
}

// A page the viewer or editor holds read-only must stay as it is, even
// though a rename over it would succeed.
bool replaceable(const fs::path& output) {
    std::error_code ec;
    if (!fs::exists(output, ec)) return true;
    struct stat st {};
    if (::stat(output.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    // No write bit at all counts as held, for the superuser too.
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(output.c_str(), W_OK) == 0;
}

}  // namespace

bool writePage(const SiteEnv& env, const PageRequest& page, const BodyWriter& body) {
    const std::string stamp = timeStamp(env.now());
    const fs::path templ = env.path(page.templatePath);
    std::string bytes;
    if (!platform::readBytes(templ, bytes) || fs::is_directory(templ)) {
        env.tell(templ.string() + " is absent!");
        return false;
    }
    platform::TextFileWriter out;
    if (!replaceable(page.output) || !out.open(page.output)) {
        env.tell(page.output.string() + " is already opened!");
        return false;
    }
    std::vector<std::string> lines = splitLines(bytes);
    std::size_t i = 0;
    // Copies template lines up to the first holding mark; true when found.
    auto copyUntil = [&](const char* mark) {
        for (; i < lines.size(); ++i) {
            if (lines[i].find(mark) != std::string::npos) return true;
            out.writeRaw(lines[i] + "\r\n");
        }
        return false;
    };
    const bool head = copyUntil("</head>");
    bool bodyLine = false;
    if (head) {
        out.write(page.title);
        out.writeRaw(lines[i] + "\r\n");
        ++i;
        if (!page.templateBodyLast) {
            bodyLine = copyUntil("</body>");
        } else if (copyUntil("<body")) {
            // A body closed on its own opening line has nothing to copy after.
            if (lines[i].find("</body>") != std::string::npos) lines.resize(i + 1);
            out.writeRaw(lines[i++] + "\r\n");
            bodyLine = true;
        }
    }
    if (bodyLine) {
        if (page.frame.header) out.write(headerBlock(env.wwwServer, page.frame.prefix));
        if (body) body(out);
        if (page.templateBodyLast) copyUntil("</body>");
    }
    out.write(footerBlock(page.frame, env.wwwServer, stamp));
    if (!out.commit()) {
        env.tell(page.output.string() + " is already opened!");
        return false;
    }
    return true;
}

bool writePage(const SiteEnv& env, const fs::path& output, const std::string& title, PageKind kind,
               const BodyWriter& body) {
    PageRequest page;
    page.output = output;
    page.title = title;
    page.frame = frameOf(kind);
    return writePage(env, page, body);
}

std::string commandLine(const std::string& command, const std::string& path) {
    if (path.find_first_of(" \t\n'\"\\") == std::string::npos) return command + path;
    std::string quoted = "'";
    for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return command + quoted + "'";
}

namespace {

bool start(const SiteEnv& env, const std::string& command, const std::string& target) {
    const std::string line = commandLine(command, target);
    return env.launch ? env.launch(line) : platform::startDetached(line);
}

}  // namespace

bool showPage(const SiteEnv& env, const std::string& target) { return start(env, env.viewerCommand, target); }
bool editPage(const SiteEnv& env, const std::string& target) { return start(env, env.editorCommand, target); }

}  // namespace site
