// The association's bulletin: each breeder's offer as a small text file
// "\Bulletin\" + number + ".bul" (Windows-1251, CR LF), and one page,
// "\Bulletin\bulletin.html", made from every ".bul" file found there. The
// files of other breeders arrive by mail or on a stick: their text is read
// with bounds and escaped before it reaches the page.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "reports/Report.h"
#include "reports/ReportRunner.h"

namespace reports {

// "Price-list for bulletin": the farm's stock offered for sale, on the runner.
std::shared_ptr<Report> bulletinFile(const ReportContext& context, int breederNumber);
bool startBulletinFile(ReportRunner& runner, const ReportContext& context, int breederNumber);

// A size text as a cell piece: "," and "|" would shift the cells of every
// reader, so they become "/".
std::string bulletinSizeText(const std::string& size);

// One breeder's file as read back.
struct BulletinCell {
    std::string size, number, prices;  // empty size, number and prices: nothing offered
    bool empty() const { return number.empty(); }
};
struct BulletinLine {
    bool classLine = false;
    int code = 0;  // the class code of a class line, the species code of a species line
    BulletinCell cells[5];
};
struct BulletinSection {
    std::string date, farm;  // as the file gives them, unescaped
    std::vector<BulletinLine> lines;
};

// Reads one file: its first line and every line after it up to the first
// that cannot be read (an over-long line, bytes of no meaning, a wrong
// number of cells, a missing field). At most kBulletinReadLimit bytes are
// read. Nothing when the file cannot be opened or its first line cannot be
// read.
inline constexpr std::size_t kBulletinReadLimit = 4u << 20;
inline constexpr std::size_t kBulletinLineLimit = 4096;
bool readBulletinFile(const std::filesystem::path& file, BulletinSection& section);
// The same over bytes already read.
bool parseBulletin(const std::string& bytes, BulletinSection& section);

// "Make bulletin": writes the page on the calling thread and shows it; false
// (after the message) when the template is absent or the page cannot be
// written, and then any earlier page stays.
bool makeBulletin(const ReportContext& context);

// Text from outside shown as text: & < > " and ' as entities.
std::string escapeHtml(const std::string& text);

}  // namespace reports
