#include "reports/Bulletin.h"

#include <fstream>
#include <unordered_set>

#include "core/ClassCodes.h"
#include "farm/LotNames.h"
#include "platform/Codec.h"
#include "platform/WildcardFind.h"
#include "reports/PageParts.h"
#include "reports/PriceList.h"

namespace reports {

std::string escapeHtml(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string bulletinSizeText(const std::string& size) {
    std::string out = size;
    for (char& c : out)
        if (c == ',' || c == '|' || c == '\r' || c == '\n') c = '/';
    return out;
}

// ---- the breeder's file ------------------------------------------------------

namespace {

constexpr const char* kEuro = " €";

class BulletinFileReport : public Report {
public:
    BulletinFileReport(ReportContext c, int number) : c_(std::move(c)), number_(number) {}

    std::string logTitle() const override { return kPriceListLogTitle; }
    std::string output() const override { return "\\Bulletin\\" + std::to_string(number_) + ".bul"; }
    std::string pageTitle() const override { return ""; }

    // A data file, not a page: no template, nothing shown.
    bool produce(const site::SiteEnv& env, const ItemLog& item) override {
        env_ = env;
        const std::filesystem::path file = env.path(output());
        std::error_code ec;
        std::filesystem::create_directories(file.parent_path(), ec);
        platform::TextFileWriter out(platform::Unmappable::QuestionMark);
        if (!out.open(file)) {
            env.tell(file.string() + " is already opened!");
            return false;
        }
        writeBody(out, item);
        if (!out.commit()) {
            env.tell(file.string() + " is already opened!");
            return false;
        }
        return true;
    }

    void writeBody(site::PageOut& out, const ItemLog& item) override {
        std::vector<SpeciesStock> rows = readStock(*c_.doc, c_.env.language, "Forsale=YES");
        for (const SpeciesStock& r : rows) {
            item(stockLogLine(r));
            if (!r.hasCard) env_.tell(noPriceWarning(r));
        }
        sortByClassAndName(rows);
        std::string farm = c_.farmName;
        for (char& ch : farm)
            if (ch == '\r' || ch == '\n') ch = ' ';  // one line, whatever the setting holds
        out.write(day(env_.now()) + "," + farm + "\n");
        int previousClass = 0;
        for (std::size_t n = 0; n < rows.size(); ++n) {
            const SpeciesStock& r = rows[n];
            if (n == 0) {
                out.write("[14]\n");
                previousClass = core::kFishes;
            }
            if (r.classCode != previousClass && classHasHeading(r.classCode))
                out.write("[" + std::to_string(r.classCode) + "]\n");
            previousClass = r.classCode;
            out.write(speciesLine(r));
        }
    }

private:
    static std::string speciesLine(const SpeciesStock& r) {
        std::string line = std::to_string(r.species);
        for (int size = 0; size < kSizeClassCount; ++size) {
            line += ",";
            const std::int64_t n = r.forSale.bySize[size];
            if (n == 0) continue;
            line += bulletinSizeText(r.card.size[size]) + "|" + std::to_string(n) + "|" + amount(r.card.retail[size]) +
                    "-" + amount(r.card.wholesale[size]) + kEuro;
        }
        return line + "\n";
    }

    ReportContext c_;
    int number_;
    site::SiteEnv env_;
};

}  // namespace

std::shared_ptr<Report> bulletinFile(const ReportContext& context, int breederNumber) {
    return std::make_shared<BulletinFileReport>(context, breederNumber);
}

bool startBulletinFile(ReportRunner& runner, const ReportContext& context, int breederNumber) {
    return runner.start(bulletinFile(context, breederNumber), context.env);
}

// ---- reading the files back --------------------------------------------------

namespace {

// A line fit to be read: bounded, and text rather than control bytes.
bool readable(const std::string& line) {
    if (line.size() > kBulletinLineLimit) return false;
    for (unsigned char c : line)
        if ((c < 0x20 && c != '\t') || c == 0x7F) return false;
    return true;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos) return parts;
        from = at + 1;
    }
}

// A code or a count: 1 to 9 digits.
bool readNumber(const std::string& text, int* value = nullptr) {
    if (text.empty() || text.size() > 9) return false;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (value) *value = n;
    return true;
}

bool readCell(const std::string& text, BulletinCell& cell) {
    if (text.empty()) return true;
    std::vector<std::string> pieces = split(text, '|');
    if (pieces.size() != 3 || !readNumber(pieces[1])) return false;
    cell.size = platform::cp1251ToUtf8(pieces[0]);
    cell.number = pieces[1];
    cell.prices = platform::cp1251ToUtf8(pieces[2]);
    return true;
}

bool readLine(const std::string& text, BulletinLine& line) {
    if (text.front() == '[') {
        line.classLine = true;
        return text.size() > 2 && text.back() == ']' && readNumber(text.substr(1, text.size() - 2), &line.code);
    }
    std::vector<std::string> fields = split(text, ',');
    if (fields.size() != 6 || !readNumber(fields[0], &line.code)) return false;
    for (int i = 0; i < 5; ++i)
        if (!readCell(fields[i + 1], line.cells[i])) return false;
    return true;
}

}  // namespace

bool parseBulletin(const std::string& bytes, BulletinSection& section) {
    section = {};
    std::size_t pos = 0;
    bool first = true;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string text = bytes.substr(pos, std::min(end - pos, kBulletinLineLimit + 2));
        const bool overLong = end - pos > kBulletinLineLimit + 1;
        pos = end + 1;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (overLong || !readable(text)) {
            if (first) return false;
            break;
        }
        if (first) {
            first = false;
            const std::size_t comma = text.find(',');
            section.date = platform::cp1251ToUtf8(text.substr(0, comma));
            section.farm = comma == std::string::npos ? std::string() : platform::cp1251ToUtf8(text.substr(comma + 1));
            continue;
        }
        if (text.empty()) continue;
        BulletinLine line;
        if (!readLine(text, line)) break;
        section.lines.push_back(line);
    }
    return !first;
}

bool readBulletinFile(const std::filesystem::path& file, BulletinSection& section) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::string bytes(kBulletinReadLimit + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    // A file cut at the limit loses its unfinished last line.
    if (bytes.size() > kBulletinReadLimit) bytes.resize(bytes.rfind('\n', kBulletinReadLimit - 1) + 1);
    return parseBulletin(bytes, section);
}

// ---- the page --------------------------------------------------------------------

namespace {

const char* bulletinClassHeading(int classCode) {
    switch (classCode) {
    case core::kFishes: return "Рыбы";
    case core::kDicotyledons:
    case core::kMonocotyledons:
    case core::kFerns: return "Растения";
    default: return "Прочее";
    }
}

std::string sectionHead(const BulletinSection& s) {
    std::string head = "<p align=\"center\"><font color=\"#A0A0A0\" size=\"4\"><b>" + escapeHtml(s.farm) +
                       " предлагает следующие позиции: </b></font><font color=\"#A0A000\" size=\"4\"> "
                       "(дата подачи информации - " +
                       escapeHtml(s.date) + ")</font></p>\n";
    head += kPlainTable;
    head += "<tr><td width=\"30%\" bgcolor=\"#404040\">\n"
            "<p align=\"center\"><font size=\"4\"><b>Название</b></font></p></td>\n";
    for (const char* h : {"F", "FJ", "J", "JA"}) head += headCell("14%", h);
    std::string last = headCell("14%", "A");
    last.insert(last.size() - 1, "</tr>");
    return head + last;
}

std::string offerCell(const BulletinCell& c) {
    if (c.empty()) return "<td></td>\n";
    return "<td><p align=\"center\"><font size=\"2\">" + escapeHtml(c.size) + " мм<br>\n<font color=\"#00F0F0\">" +
           escapeHtml(c.number) + " шт. </font>" + escapeHtml(c.prices) + "</td>\n";
}

class BulletinPage {
public:
    explicit BulletinPage(const ReportContext& c) : c_(c) {}

    void write(site::PageOut& out) {
        const std::vector<BulletinSection> sections = readSections();
        nameTheSpecies(sections);
        out.write("<p align=\"center\"><font color=\"#00A000\" size=\"5\"><b>Бюллетень Ассоциации от </font>"
                  "<font color=\"#A0A000\" size=\"5\">" +
                  day(c_.env.now()) + "</b></font></p>\n");
        for (const BulletinSection& s : sections) {
            out.write(sectionHead(s));
            for (const BulletinLine& line : s.lines) out.write(line.classLine ? classRow(line.code) : speciesRow(line));
            out.write("</table>\n");
        }
    }

private:
    std::vector<BulletinSection> readSections() {
        std::vector<BulletinSection> sections;
        // By name: the directory's own order is arbitrary here.
        for (const platform::FoundFile& f : platform::findFiles(c_.env.path("\\Bulletin\\*.bul"))) {
            BulletinSection s;
            std::ifstream probe(f.path, std::ios::binary);
            if (!probe) {
                c_.env.tell(f.path.string() + " is absent!");
                continue;
            }
            if (readBulletinFile(f.path, s)) sections.push_back(std::move(s));
        }
        return sections;
    }

    void nameTheSpecies(const std::vector<BulletinSection>& sections) {
        std::unordered_set<int> seen;
        std::vector<int> codes;
        for (const BulletinSection& s : sections)
            for (const BulletinLine& l : s.lines)
                if (!l.classLine && seen.insert(l.code).second) codes.push_back(l.code);
        db::Fish taxa(*c_.doc->db);
        farm::TaxonNames names(taxa);
        names.prefetch(codes);
        for (int code : codes) {
            std::string name = names.species(code);
            names_[code] = name.empty() ? "#" + std::to_string(code) : name;
        }
        common_ = commonNamesOf(*c_.doc, codes, c_.env.language);
    }

    static std::string classRow(int code) { return wideRow("20", "#00F000", bulletinClassHeading(code)); }

    std::string speciesRow(const BulletinLine& line) const {
        std::string text = "<tr><td><p align=\"center\"><font color=\"#A0A000\"><b>" + names_.at(line.code);
        auto common = common_.find(line.code);
        if (common == common_.end()) text += "</b></font></p></td>\n";
        else text += "<br></b></font>(" + common->second + ")</p></td>\n";
        for (const BulletinCell& c : line.cells) text += offerCell(c);
        return text + "</tr>\n";
    }

    const ReportContext& c_;
    std::unordered_map<int, std::string> names_;
    std::unordered_map<int, std::string> common_;
};

}  // namespace

bool makeBulletin(const ReportContext& context) {
    const site::SiteEnv& env = context.env;
    const std::string title = "<title>Bulletin of Assotiation from " + day(env.now()) + "</title>\n";
    const site::PageRequest page = ownTemplatePage(env, "\\Bulletin\\bulletin.html", title, "\\for_bul.html");
    std::error_code ec;
    std::filesystem::create_directories(page.output.parent_path(), ec);
    BulletinPage bulletin(context);
    const bool written = site::writePage(env, page, [&](site::PageOut& out) { bulletin.write(out); });
    if (written) site::showPage(env, page.output.string());
    return written;
}

}  // namespace reports
