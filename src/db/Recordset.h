// A record object: a cursor over a static snapshot of one table's rows.
//
// Set a filter and a sort (desktop dialect), requery, walk the rows; the
// current row's columns are the derived class's members. Add, edit, update
// and delete write through at once, keyed by the row's counter. An update
// writes only the columns that changed, and only while the row still holds
// what this object read; otherwise it fails with ConflictError and the
// object reads its rows again. A write that fails leaves no edit pending.
#pragma once

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "db/Odbc.h"

namespace db {

// Column types as bound.
enum class ColType { Long, Int, Byte, Bool, Date, Text, Memo };

// A value outside its column's range, or a text over 255 characters.
class RangeError : public DbError {
public:
    using DbError::DbError;
};

// The row was changed or deleted elsewhere since this object read it.
class ConflictError : public DbError {
public:
    using DbError::DbError;
};

class Recordset : private SnapshotHolder {
public:
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;
    virtual ~Recordset();

    const std::string& table() const { return table_; }
    // The connection the object reads and writes through.
    Connection& connection() const { return c_; }

    void setFilter(const std::string& filter) { filter_ = filter; }
    void setSort(const std::string& sort) { sort_ = sort; }
    const std::string& filter() const { return filter_; }
    const std::string& sort() const { return sort_; }

    void open() { requery(); }
    // Opens on other's rows without reading the table: an object of the same
    // class, filter and sort over the same rows. Both share them until
    // either requeries or writes a row; other must be open.
    void openSharing(const Recordset& other);
    bool isOpen() const { return open_; }
    // Runs the SELECT again with the current texts; the first row becomes current.
    void requery();

    // True when there is no current row.
    bool isEOF() const { return pos_ >= deleted_.size(); }
    void moveFirst();
    void moveNext();
    void moveLast();
    // Makes row n (0-based) of the result current; past the end leaves none.
    void moveFromFirst(std::size_t n);
    std::size_t position() const { return pos_; }
    std::size_t rowCount() const { return deleted_.size(); }
    // The counter of the current row (Cod, or the hidden Row_id).
    std::int64_t key() const { return currentKey(); }
    // Makes the row with this counter current; false (and no current row) when absent.
    bool moveToKey(std::int64_t key);

    // Starts a new row with every member empty.
    void addNew();
    // Starts changing the current row.
    void edit();
    // Writes the new row, or the changed columns of the current one; throws
    // RangeError before writing anything invalid and ConflictError when the
    // row was changed or deleted elsewhere.
    void update();
    // Forgets a pending addNew or edit.
    void cancelUpdate();
    // Deletes the current row from the table; it stays current but reads
    // empty. ConflictError when it was already gone.
    void deleteRow();
    bool isDeleted() const { return !isEOF() && deleted_[pos_]; }

    // Counter of the row last inserted through this object.
    std::int64_t lastInsertedKey() const { return lastKey_; }

    // The full SELECT as sent to the engine (for diagnostics and tests).
    std::string selectStatement() const;

protected:
    Recordset(Connection& c, std::string table, bool keyedByCod);

    void bind(const char* column, std::int32_t& member, ColType type);
    void bind(const char* column, bool& member);
    void bind(const char* column, std::time_t& member);
    void bind(const char* column, std::string& member, ColType type = ColType::Text);

private:
    struct Binding {
        std::string column;
        ColType type;
        void* member;
    };
    enum class Mode { None, Adding, Editing };
    // The rows read by a requery, stored compactly, and their counters;
    // shared between record objects until one of them changes a row.
    struct Snapshot;

    void refreshAfterRollback() noexcept override;
    void requeryAfterConflict(std::int64_t key);
    void updateChangedColumns();
    std::string keyColumn() const { return keyedByCod_ ? "Cod" : "Row_id"; }
    void loadMembers();
    // The snapshot, made this object's own before a row of it is changed.
    Snapshot& snapshotToChange();
    void clearMembers();
    Value memberValue(const Binding& b) const;
    void validate() const;
    std::int64_t currentKey() const;
    std::vector<ColumnKind> columnKinds() const;
    // The SELECT; with params, its condition's numbers become parameters.
    std::string selectWith(std::vector<Value>* params) const;

    Connection& c_;
    std::string table_;
    bool keyedByCod_;
    std::size_t codIndex_ = SIZE_MAX;
    std::vector<Binding> bindings_;
    std::string filter_, sort_;
    std::shared_ptr<Snapshot> snap_;
    std::vector<bool> deleted_;  // one per row of the snapshot
    std::size_t pos_ = 0;
    Mode mode_ = Mode::None;
    bool open_ = false;
    std::int64_t lastKey_ = 0;
};

}  // namespace db
