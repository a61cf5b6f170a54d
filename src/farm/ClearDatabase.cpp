#include "farm/ClearDatabase.h"

#include <set>
#include <string>
#include <vector>

#include "core/Dates.h"

namespace farm {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTanksInService = "Cod<>2 AND Date_out=#01/01/1980#";

class Clearing {
public:
    explicit Clearing(ClearTarget& t) : t_(t), lot_(*t.doc.db), spawning_(*t.doc.db) {}

    void lotsWithDescendants() {
        for (;;) {
            lot_.setFilter("Of_fish<>14");
            lot_.requery();
            if (lot_.isEOF()) return;
            deleteLot(lot_.m_Cod);
        }
    }

    template <class R, class Announce>
    void deleteAll(R& rows, const std::string& filter, Announce announce) {
        emptyLog();
        rows.setFilter(filter);
        rows.requery();
        for (; !rows.isEOF(); rows.moveNext()) {
            t_.log.line(announce(rows));
            rows.deleteRow();
        }
    }

    void emptyLog() {
        if (t_.emptyLog) t_.emptyLog();
    }

private:
    // Record objects are reused below, so each level reads its codes first.
    void deleteLot(int cod) {
        if (!visited_.insert(cod).second) return;  // a damaged genealogy may loop
        lot_.setFilter("Cod=" + std::to_string(cod));
        lot_.requery();
        if (lot_.isEOF()) return;
        t_.log.line(lot_.m_Place_birth + " " + lot_.m_Other);
        for (int spawning : codes(spawning_, "Cod<>2 AND (Of_father=" + std::to_string(cod) +
                                                 " OR Of_mother=" + std::to_string(cod) + ")")) {
            lot_.setFilter("Of_fry=" + std::to_string(spawning) + " AND Of_fish<>14");
            lot_.requery();
            std::vector<int> young;
            for (; !lot_.isEOF(); lot_.moveNext()) young.push_back(lot_.m_Cod);
            for (int child : young) deleteLot(child);
            deleteWhere(spawning_, "Cod=" + std::to_string(spawning));
        }
        deleteWhere(lot_, "Cod=" + std::to_string(cod));
    }

    template <class R>
    static std::vector<int> codes(R& rows, const std::string& filter) {
        rows.setFilter(filter);
        rows.requery();
        std::vector<int> out;
        for (; !rows.isEOF(); rows.moveNext()) out.push_back(rows.m_Cod);
        return out;
    }

    template <class R>
    static void deleteWhere(R& rows, const std::string& filter) {
        rows.setFilter(filter);
        rows.requery();
        for (; !rows.isEOF(); rows.moveNext()) rows.deleteRow();
    }

    ClearTarget& t_;
    db::My_Fish lot_;
    db::Incubator spawning_;
    std::set<int> visited_;
};

}  // namespace

fs::path clearBackupPath(const fs::path& databaseFile, std::time_t when) {
    return databaseFile.parent_path() / ("Reedmere-before-clear-" + core::formatDate(when, "%Y%m%d-%H%M%S") + ".db");
}

namespace {

// Copies the file under a name not yet taken; the empty path on failure.
fs::path writeBackup(const fs::path& file) {
    fs::path target = clearBackupPath(file, std::time(nullptr));
    std::error_code ec;
    for (int n = 2; fs::exists(target, ec) && n < 100; ++n) {
        fs::path base = clearBackupPath(file, std::time(nullptr));
        target = base.parent_path() / (base.stem().string() + "-" + std::to_string(n) + ".db");
    }
    if (!fs::copy_file(file, target, fs::copy_options::none, ec) || ec) return {};
    return target;
}

}  // namespace

std::string clearCopyLine(const fs::path& copy) { return "A copy of the database before clearing: " + copy.string(); }

bool clearDatabase(ClearTarget& t) {
    if (t.prompter.ask(kClearQuestion) != platform::Answer::Yes) return false;
    struct Busy {
        const std::function<void(bool)>& f;
        explicit Busy(const std::function<void(bool)>& f) : f(f) { if (f) f(true); }
        ~Busy() { if (f) f(false); }
    } busy(t.busy);
    std::string copyLine;
    if (t.embeddedFile) {
        fs::path copy = writeBackup(*t.embeddedFile);
        if (copy.empty()) {
            t.prompter.tell("The database could not be copied before clearing:\n" + t.embeddedFile->string() +
                                "\nNothing was deleted.",
                            platform::MessageKind::Error);
            return false;
        }
        t.copyWritten = copy;
        copyLine = clearCopyLine(copy);
        t.log.line(copyLine);
    }
    Clearing clearing(t);
    db::Transaction transaction(*t.doc.db);
    try {
        clearing.emptyLog();
        clearing.lotsWithDescendants();
        clearing.deleteAll(*t.doc.tanks, kTanksInService, [](db::Aquarium& r) { return r.m_Other; });
        clearing.deleteAll(*t.doc.expenseKinds, "", [](db::Senttype& r) { return r.m_Name; });
        clearing.deleteAll(*t.doc.expenses, "", [](db::CSent& r) { return r.m_Comment; });
        clearing.deleteAll(*t.doc.prices, "", [](db::Price& r) { return r.m_Size_l; });
        transaction.commit();
    } catch (...) {
        if (!copyLine.empty()) t.log.line(copyLine);
        throw;
    }
    if (!copyLine.empty()) t.log.line(copyLine);
    return true;
}

}  // namespace farm
