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

bool isNamePart(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_' ||
           ch == '.' || static_cast<unsigned char>(ch) >= 0x80;
}

// The whole numbers of a condition as parameters, so that requeries that
// differ only in their codes share one prepared statement. Quoted texts and
// names, digits inside names and decimals stay as they are.
std::string withNumbersAsParameters(const std::string& condition, std::vector<Value>& params, Engine engine) {
    // PostgreSQL types an untyped parameter from its neighbours and refuses
    // "?+?"; the cast keeps the plain integer meaning on every engine.
    const char* mark = engine == Engine::PostgreSQL ? "CAST(? AS BIGINT)" : "?";
    std::string out;
    out.reserve(condition.size());
    char quote = 0;
    for (std::size_t i = 0; i < condition.size();) {
        const char ch = condition[i];
        if (quote) {
            if (ch == quote) quote = 0;  // a doubled quote closes and opens again
            out += ch;
            ++i;
            continue;
        }
        if (ch == '\'' || ch == '"') {
            quote = ch;
            out += ch;
            ++i;
            continue;
        }
        if (ch >= '0' && ch <= '9' && (i == 0 || !isNamePart(condition[i - 1]))) {
            std::size_t end = i;
            while (end < condition.size() && condition[end] >= '0' && condition[end] <= '9') ++end;
            if (end - i <= 18 && (end == condition.size() || !isNamePart(condition[end]))) {
                params.push_back(static_cast<std::int64_t>(std::stoll(condition.substr(i, end - i))));
                out += mark;
            } else {
                out.append(condition, i, end - i);
            }
            i = end;
            continue;
        }
        out += ch;
        ++i;
    }
    return out;
}

}  // namespace

// Column by column: numbers and dates as 64-bit values, texts as strings,
// each cell with a NULL mark; a fraction of a row of variants.
struct Recordset::Snapshot {
    struct Column {
        ColumnKind kind;
        std::vector<std::int64_t> numbers;
        std::vector<std::string> texts;
        std::vector<bool> nulls;
    };
    std::vector<Column> columns;
    std::vector<std::int64_t> keys;

    explicit Snapshot(const std::vector<ColumnKind>& kinds) {
        for (ColumnKind k : kinds) columns.push_back(Column{k, {}, {}, {}});
    }
    std::size_t size() const { return keys.size(); }
    bool isText(const Column& c) const { return c.kind == ColumnKind::Text || c.kind == ColumnKind::Memo; }

    void append(std::int64_t key, std::vector<Value>& row) {
        keys.push_back(key);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            Column& c = columns[i];
            Value& v = row[i];
            if (isText(c)) {
                std::string* text = std::get_if<std::string>(&v);
                c.texts.push_back(text ? std::move(*text) : std::string());
                c.nulls.push_back(!text);
            } else {
                bool null = false;
                c.numbers.push_back(number(v, null));
                c.nulls.push_back(null);
            }
        }
    }
    Value cell(std::size_t r, std::size_t i) const {
        const Column& c = columns[i];
        if (c.nulls[r]) return std::monostate{};
        if (isText(c)) return c.texts[r];
        if (c.kind == ColumnKind::Date) return Timestamp{static_cast<std::time_t>(c.numbers[r])};
        return c.numbers[r];
    }
    void set(std::size_t r, std::size_t i, const Value& v) {
        Column& c = columns[i];
        if (isText(c)) {
            const std::string* text = std::get_if<std::string>(&v);
            c.texts[r] = text ? *text : std::string();
            c.nulls[r] = !text;
        } else {
            bool null = false;
            c.numbers[r] = number(v, null);
            c.nulls[r] = null;
        }
    }

private:
    static std::int64_t number(const Value& v, bool& null) {
        if (const auto* n = std::get_if<std::int64_t>(&v)) return *n;
        if (const auto* t = std::get_if<Timestamp>(&v)) return static_cast<std::int64_t>(t->seconds);
        null = true;
        return 0;
    }
};

Recordset::Recordset(Connection& c, std::string table, bool keyedByCod)
    : c_(c), table_(std::move(table)), keyedByCod_(keyedByCod), snap_(std::make_shared<Snapshot>(std::vector<ColumnKind>{})) {}

Recordset::~Recordset() { c_.forget(this); }

void Recordset::refreshAfterRollback() noexcept {
    try {
        requery();
    } catch (...) {
        // Unreadable now: show nothing rather than rows that were never stored.
        snap_ = std::make_shared<Snapshot>(std::vector<ColumnKind>{});
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
    const std::vector<std::int64_t>& keys = snap_->keys;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key && !deleted_[i]) {
            pos_ = i;
            loadMembers();
            return true;
        }
    pos_ = rowCount();
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

std::string Recordset::selectStatement() const { return selectWith(nullptr); }

std::string Recordset::selectWith(std::vector<Value>* params) const {
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        if (i) sql += ",";
        sql += "\"" + bindings_[i].column + "\"";
    }
    if (!keyedByCod_) sql += ",\"Row_id\"";
    sql += " FROM \"" + table_ + "\"";
    if (!filter_.empty()) {
        const std::string condition = toEngineSql(filter_, c_.engine());
        std::vector<Value> numbers;
        const std::string withParameters = params ? withNumbersAsParameters(condition, numbers, c_.engine()) : condition;
        // Beyond what every engine takes in one statement the numbers stay written out.
        constexpr std::size_t kMostParameters = 999;
        if (params && numbers.size() <= kMostParameters) {
            sql += " WHERE " + withParameters;
            params->insert(params->end(), numbers.begin(), numbers.end());
        } else {
            sql += " WHERE " + condition;
        }
    }
    if (!sort_.empty()) sql += " ORDER BY " + toEngineSql(sort_, c_.engine());
    // SQLite gives unsorted rows in the order they were added; PostgreSQL
    // moves an updated row to the end, so it is asked for that order.
    else if (keyedByCod_ && c_.engine() == Engine::PostgreSQL) sql += " ORDER BY \"Cod\"";
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
    const std::vector<ColumnKind> kinds = columnKinds();
    auto snap = std::make_shared<Snapshot>(
        std::vector<ColumnKind>(kinds.begin(), kinds.begin() + static_cast<std::ptrdiff_t>(bindings_.size())));
    const std::size_t keyIndex = keyedByCod_ ? codIndex_ : bindings_.size();
    std::vector<Value> params;
    const std::string sql = selectWith(&params);
    c_.query(sql, kinds, [&](std::vector<Value>& row) {
        const Value& k = row[keyIndex];
        snap->append(std::holds_alternative<std::int64_t>(k) ? std::get<std::int64_t>(k) : 0, row);
    }, params);
    snap_ = std::move(snap);
    deleted_.assign(snap_->size(), false);
    open_ = true;
    pos_ = 0;
    loadMembers();
}

void Recordset::openSharing(const Recordset& other) {
    bool same = other.open_ && other.table_ == table_ && other.keyedByCod_ == keyedByCod_ &&
                other.bindings_.size() == bindings_.size();
    for (std::size_t i = 0; same && i < bindings_.size(); ++i)
        same = other.bindings_[i].column == bindings_[i].column && other.bindings_[i].type == bindings_[i].type;
    filter_ = other.filter_;
    sort_ = other.sort_;
    if (!same) {
        requery();
        return;
    }
    mode_ = Mode::None;
    c_.noteUse(this);
    snap_ = other.snap_;
    deleted_.assign(snap_->size(), false);
    open_ = true;
    pos_ = 0;
    loadMembers();
}

Recordset::Snapshot& Recordset::snapshotToChange() {
    if (snap_.use_count() > 1) snap_ = std::make_shared<Snapshot>(*snap_);
    return *snap_;
}

void Recordset::moveFirst() {
    pos_ = 0;
    loadMembers();
}

void Recordset::moveNext() {
    const std::size_t count = rowCount();
    if (pos_ < count) ++pos_;
    while (pos_ < count && deleted_[pos_]) ++pos_;
    loadMembers();
}

void Recordset::moveLast() {
    pos_ = rowCount() == 0 ? 0 : rowCount() - 1;
    loadMembers();
}

void Recordset::moveFromFirst(std::size_t n) {
    pos_ = n < rowCount() ? n : rowCount();
    loadMembers();
}

void Recordset::loadMembers() {
    mode_ = Mode::None;
    if (isEOF() || deleted_[pos_]) {
        clearMembers();
        return;
    }
    const Snapshot& snap = *snap_;
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        const Binding& b = bindings_[i];
        const Snapshot::Column& c = snap.columns[i];
        const bool null = c.nulls[pos_];
        switch (b.type) {
        case ColType::Bool: *static_cast<bool*>(b.member) = !null && c.numbers[pos_] != 0; break;
        case ColType::Date:
            *static_cast<std::time_t*>(b.member) = null ? 0 : static_cast<std::time_t>(c.numbers[pos_]);
            break;
        case ColType::Text:
        case ColType::Memo:
            if (null) static_cast<std::string*>(b.member)->clear();
            else *static_cast<std::string*>(b.member) = c.texts[pos_];
            break;
        default: *static_cast<std::int32_t*>(b.member) = null ? 0 : static_cast<std::int32_t>(c.numbers[pos_]); break;
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
    return snap_->keys[pos_];
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
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        if (i == codIndex_) continue;
        const Binding& b = bindings_[i];
        Value now = memberValue(b);
        const Value stored = snap_->cell(pos_, i);
        if (now == asRead(b.type, stored)) continue;
        changed.push_back(i);
        set += std::string(set.empty() ? "" : ",") + "\"" + b.column + "\"=?";
        params.push_back(std::move(now));
        if (!comparable(b.type)) continue;
        if (std::holds_alternative<std::monostate>(stored)) {
            guard += " AND \"" + b.column + "\" IS NULL";
        } else {
            guard += " AND \"" + b.column + "\"=?";
            guardParams.push_back(stored);
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
    Snapshot& snap = snapshotToChange();
    for (std::size_t i : changed) snap.set(pos_, i, memberValue(bindings_[i]));
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
