#include "db/Recordset.h"

#include "db/Dialect.h"

namespace db {

namespace {

std::size_t utf8Length(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char ch : s)
        if ((ch & 0xC0) != 0x80) ++n;
    return n;
}

struct Range {
    std::int64_t lo, hi;
};

Range rangeOf(ColType t) {
    switch (t) {
    case ColType::Int: return {-32768, 32767};
    case ColType::Byte: return {0, 255};
    default: return {INT32_MIN, INT32_MAX};
    }
}

constexpr const char* kConflictText =
    "The record was changed or deleted elsewhere (in another window or by another program) "
    "since it was read; nothing was written.\nIt has been read again.";

bool comparable(ColType t) {
    // Dates may be stored in more than one text form and truth values as 1 or
    // -1: comparing them could refuse a sound write, so only these guard it.
    return t != ColType::Date && t != ColType::Bool;
}

// A stored value as the member reads it and memberValue() gives it back, so
// that a column counts as changed only when its member was changed.
Value asRead(ColType t, const Value& v) {
    switch (t) {
    case ColType::Bool:
        return std::int64_t(std::holds_alternative<std::int64_t>(v) && std::get<std::int64_t>(v) != 0 ? 1 : 0);
    case ColType::Date:
        if (std::holds_alternative<Timestamp>(v) && std::get<Timestamp>(v).seconds != 0) return v;
        return std::monostate{};
    case ColType::Text:
    case ColType::Memo:
        return std::holds_alternative<std::string>(v) ? v : Value(std::string());
    default:
        return std::int64_t(std::holds_alternative<std::int64_t>(v)
                                ? static_cast<std::int32_t>(std::get<std::int64_t>(v))
                                : 0);
    }
}

}  // namespace

Recordset::Recordset(Connection& c, std::string table, bool keyedByCod)
    : c_(c), table_(std::move(table)), keyedByCod_(keyedByCod) {}

Recordset::~Recordset() { c_.forget(this); }

void Recordset::refreshAfterRollback() noexcept {
    try {
        requery();
    } catch (...) {
        // Unreadable now: show nothing rather than rows that were never stored.
        rows_.clear();
        keys_.clear();
        deleted_.clear();
        pos_ = 0;
        loadMembers();
    }
}

void Recordset::requeryAfterConflict(std::int64_t key) {
    requery();
    moveToKey(key);
}

bool Recordset::moveToKey(std::int64_t key) {
    for (std::size_t i = 0; i < keys_.size(); ++i)
        if (keys_[i] == key && !deleted_[i]) {
            pos_ = i;
            loadMembers();
            return true;
        }
    pos_ = rows_.size();
    loadMembers();
    return false;
}

void Recordset::bind(const char* column, std::int32_t& member, ColType type) {
    if (keyedByCod_ && std::string(column) == "Cod") codIndex_ = bindings_.size();
    bindings_.push_back({column, type, &member});
}
void Recordset::bind(const char* column, bool& member) { bindings_.push_back({column, ColType::Bool, &member}); }
void Recordset::bind(const char* column, std::time_t& member) {
    bindings_.push_back({column, ColType::Date, &member});
}
void Recordset::bind(const char* column, std::string& member, ColType type) {
    bindings_.push_back({column, type, &member});
}

std::string Recordset::selectStatement() const {
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        if (i) sql += ",";
        sql += "\"" + bindings_[i].column + "\"";
    }
    if (!keyedByCod_) sql += ",\"Row_id\"";
    sql += " FROM \"" + table_ + "\"";
    if (!filter_.empty()) sql += " WHERE " + toEngineSql(filter_, c_.engine());
    if (!sort_.empty()) sql += " ORDER BY " + toEngineSql(sort_, c_.engine());
    return sql;
}

std::vector<ColumnKind> Recordset::columnKinds() const {
    std::vector<ColumnKind> kinds;
    for (const Binding& b : bindings_) {
        switch (b.type) {
        case ColType::Date: kinds.push_back(ColumnKind::Date); break;
        case ColType::Text: kinds.push_back(ColumnKind::Text); break;
        case ColType::Memo: kinds.push_back(ColumnKind::Memo); break;
        default: kinds.push_back(ColumnKind::Integer); break;
        }
    }
    if (!keyedByCod_) kinds.push_back(ColumnKind::Integer);
    return kinds;
}

void Recordset::requery() {
    mode_ = Mode::None;
    c_.noteUse(this);
    std::vector<std::vector<Value>> rows;
    std::vector<std::int64_t> keys;
    const std::size_t keyIndex = keyedByCod_ ? codIndex_ : bindings_.size();
    c_.query(selectStatement(), columnKinds(), [&](std::vector<Value>& row) {
        const Value& k = row[keyIndex];
        keys.push_back(std::holds_alternative<std::int64_t>(k) ? std::get<std::int64_t>(k) : 0);
        if (!keyedByCod_) row.pop_back();
        rows.push_back(row);
        if (!keyedByCod_) row.emplace_back();
    });
    rows_ = std::move(rows);
    keys_ = std::move(keys);
    deleted_.assign(rows_.size(), false);
    open_ = true;
    pos_ = 0;
    loadMembers();
}

void Recordset::moveFirst() {
    pos_ = 0;
    loadMembers();
}

void Recordset::moveNext() {
    if (pos_ < rows_.size()) ++pos_;
    while (pos_ < rows_.size() && deleted_[pos_]) ++pos_;
    loadMembers();
}

void Recordset::moveLast() {
    pos_ = rows_.empty() ? 0 : rows_.size() - 1;
    loadMembers();
}

void Recordset::moveFromFirst(std::size_t n) {
    pos_ = n < rows_.size() ? n : rows_.size();
    loadMembers();
}

void Recordset::loadMembers() {
    mode_ = Mode::None;
    if (isEOF() || deleted_[pos_]) {
        clearMembers();
        return;
    }
    const std::vector<Value>& row = rows_[pos_];
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        const Binding& b = bindings_[i];
        const Value& v = row[i];
        switch (b.type) {
        case ColType::Bool:
            *static_cast<bool*>(b.member) = std::holds_alternative<std::int64_t>(v) && std::get<std::int64_t>(v) != 0;
            break;
        case ColType::Date:
            *static_cast<std::time_t*>(b.member) =
                std::holds_alternative<Timestamp>(v) ? std::get<Timestamp>(v).seconds : 0;
            break;
        case ColType::Text:
        case ColType::Memo:
            *static_cast<std::string*>(b.member) =
                std::holds_alternative<std::string>(v) ? std::get<std::string>(v) : std::string();
            break;
        default:
            *static_cast<std::int32_t*>(b.member) =
                std::holds_alternative<std::int64_t>(v) ? static_cast<std::int32_t>(std::get<std::int64_t>(v)) : 0;
            break;
        }
    }
}

void Recordset::clearMembers() {
    for (const Binding& b : bindings_) {
        switch (b.type) {
        case ColType::Bool: *static_cast<bool*>(b.member) = false; break;
        case ColType::Date: *static_cast<std::time_t*>(b.member) = 0; break;
        case ColType::Text:
        case ColType::Memo: static_cast<std::string*>(b.member)->clear(); break;
        default: *static_cast<std::int32_t*>(b.member) = 0; break;
        }
    }
}

Value Recordset::memberValue(const Binding& b) const {
    switch (b.type) {
    case ColType::Bool: return std::int64_t(*static_cast<const bool*>(b.member) ? 1 : 0);
    case ColType::Date: {
        std::time_t t = *static_cast<const std::time_t*>(b.member);
        if (t == 0) return std::monostate{};
        return Timestamp{t};
    }
    case ColType::Text:
    case ColType::Memo: return *static_cast<const std::string*>(b.member);
    default: return std::int64_t(*static_cast<const std::int32_t*>(b.member));
    }
}

void Recordset::validate() const {
    for (const Binding& b : bindings_) {
        if (b.type == ColType::Int || b.type == ColType::Byte) {
            std::int64_t v = *static_cast<const std::int32_t*>(b.member);
            Range r = rangeOf(b.type);
            if (v < r.lo || v > r.hi)
                throw RangeError("The value " + std::to_string(v) + " does not fit the column " + b.column +
                                 " of " + table_ + " (" + std::to_string(r.lo) + " to " + std::to_string(r.hi) +
                                 "); nothing was written.");
        } else if (b.type == ColType::Text) {
            const std::string& s = *static_cast<const std::string*>(b.member);
            if (utf8Length(s) > 255)
                throw RangeError("The text for the column " + b.column + " of " + table_ + " has " +
                                 std::to_string(utf8Length(s)) +
                                 " characters; at most 255 fit. Nothing was written.");
        }
    }
}

std::int64_t Recordset::currentKey() const {
    if (isEOF()) throw DbError("No current record in " + table_);
    return keys_[pos_];
}

void Recordset::addNew() {
    clearMembers();
    mode_ = Mode::Adding;
}

void Recordset::edit() {
    if (isEOF() || deleted_[pos_]) throw DbError("No current record to edit in " + table_);
    mode_ = Mode::Editing;
}

void Recordset::cancelUpdate() {
    if (mode_ == Mode::Adding) loadMembers();
    mode_ = Mode::None;
}

void Recordset::update() {
    if (mode_ == Mode::None) throw DbError("update without addNew or edit on " + table_);
    c_.noteUse(this);
    try {
        validate();
        if (mode_ == Mode::Adding) {
            std::vector<Value> params;
            std::string names, marks;
            for (std::size_t i = 0; i < bindings_.size(); ++i) {
                if (i == codIndex_) continue;  // the counter is the database's
                if (!names.empty()) {
                    names += ",";
                    marks += ",";
                }
                names += "\"" + bindings_[i].column + "\"";
                marks += "?";
                params.push_back(memberValue(bindings_[i]));
            }
            c_.execute("INSERT INTO \"" + table_ + "\" (" + names + ") VALUES (" + marks + ")", params);
            lastKey_ = c_.lastInsertId();
            loadMembers();  // the snapshot gains the row only at the next requery
            return;
        }
        updateChangedColumns();
    } catch (...) {
        // A refused write leaves nothing pending: the members read the row as stored.
        loadMembers();
        throw;
    }
}

void Recordset::updateChangedColumns() {
    std::string set, guard;
    std::vector<Value> params, guardParams;
    std::vector<std::size_t> changed;
    const std::vector<Value>& stored = rows_[pos_];
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        if (i == codIndex_) continue;
        const Binding& b = bindings_[i];
        Value now = memberValue(b);
        if (now == asRead(b.type, stored[i])) continue;
        changed.push_back(i);
        set += std::string(set.empty() ? "" : ",") + "\"" + b.column + "\"=?";
        params.push_back(std::move(now));
        if (!comparable(b.type)) continue;
        if (std::holds_alternative<std::monostate>(stored[i])) {
            guard += " AND \"" + b.column + "\" IS NULL";
        } else {
            guard += " AND \"" + b.column + "\"=?";
            guardParams.push_back(stored[i]);
        }
    }
    if (changed.empty()) {
        loadMembers();
        return;
    }
    const std::int64_t key = currentKey();
    params.push_back(key);
    params.insert(params.end(), guardParams.begin(), guardParams.end());
    const std::int64_t written = c_.execute(
        "UPDATE \"" + table_ + "\" SET " + set + " WHERE \"" + keyColumn() + "\"=?" + guard, params);
    if (written >= 0 && written != 1) {
        requeryAfterConflict(key);
        throw ConflictError(kConflictText);
    }
    std::vector<Value>& row = rows_[pos_];
    for (std::size_t i : changed) row[i] = memberValue(bindings_[i]);
    loadMembers();
}

void Recordset::deleteRow() {
    std::int64_t key = currentKey();
    if (deleted_[pos_]) throw DbError("The current record of " + table_ + " is already deleted");
    c_.noteUse(this);
    mode_ = Mode::None;
    const std::int64_t removed = c_.execute("DELETE FROM \"" + table_ + "\" WHERE \"" + keyColumn() + "\"=?", {key});
    if (removed >= 0 && removed != 1) {
        requeryAfterConflict(key);
        throw ConflictError(kConflictText);
    }
    deleted_[pos_] = true;
    clearMembers();
    mode_ = Mode::None;
}

}  // namespace db
