// One ODBC connection and the statements run on it.
//
// Offers: connecting by connection string, running engine SQL with bound
// parameters, reading result sets in bulk, the counter value of the last
// insert, transactions, and the driver's own error text on failure.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace db {

// A database failure; what() holds the data source's error text.
class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The database stayed locked by another program for the whole lock time-out.
class BusyError : public DbError {
public:
    using DbError::DbError;
};

// What a busy database's message begins with, before the data source's own text.
constexpr const char* kBusyText =
    "The database is in use by another program, which holds a lock on it.\n"
    "Nothing was written; try again when that program has finished.";

// How long a statement waits for another program's lock before it fails.
constexpr int kLockTimeoutMs = 3000;

// Something that keeps rows read on a connection (a record object): a
// rollback asks it to read them again, so it never shows rows that are gone.
class SnapshotHolder {
public:
    virtual void refreshAfterRollback() noexcept = 0;

protected:
    ~SnapshotHolder() = default;
};

// A date and time as local seconds since 1970 (0 stands for NULL).
struct Timestamp {
    std::time_t seconds = 0;
    bool operator==(const Timestamp& o) const { return seconds == o.seconds; }
    bool operator!=(const Timestamp& o) const { return seconds != o.seconds; }
};

// A value bound to a statement parameter or read from a column.
// monostate is SQL NULL.
using Value = std::variant<std::monostate, std::int64_t, std::string, Timestamp>;

// A column read as a number or as text: 0 or "" for NULL (and for the other kinds).
inline std::int64_t integerOf(const Value& v) {
    const auto* n = std::get_if<std::int64_t>(&v);
    return n ? *n : 0;
}
inline const std::string& textOf(const Value& v) {
    static const std::string none;
    const auto* t = std::get_if<std::string>(&v);
    return t ? *t : none;
}

enum class Engine { SQLite, PostgreSQL, Other };

// How a result column is read.
enum class ColumnKind { Integer, Text, Date, Memo };

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Throws DbError with the driver's diagnostics.
    void open(const std::string& connectionString);
    void close();
    bool isOpen() const;
    Engine engine() const { return engine_; }

    // Runs one statement of engine SQL with '?' parameters; returns the
    // number of rows it changed (-1 when the driver cannot tell).
    std::int64_t execute(const std::string& sql, const std::vector<Value>& params = {});

    // Runs statements separated by ";" at the end of a line; "--" lines are comments.
    void executeScript(const std::string& script);

    // Runs a SELECT and hands each row to onRow, columns read as kinds says.
    void query(const std::string& sql, const std::vector<ColumnKind>& kinds,
               const std::function<void(std::vector<Value>&)>& onRow,
               const std::vector<Value>& params = {});

    // Counter value given to the last row inserted on this connection.
    std::int64_t lastInsertId();

    // Raw transaction control; use Transaction or inTransaction instead.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return depth_ > 0; }

    // A holder that read or wrote rows inside the open transaction; a
    // rollback refreshes it. A holder that goes away must forget itself.
    void noteUse(SnapshotHolder* holder);
    void forget(SnapshotHolder* holder);

    void* nativeHandle() const;

private:
    friend class Transaction;
    struct Handles;
    std::unique_ptr<Handles> h_;
    Engine engine_ = Engine::Other;
    int depth_ = 0;           // open Transaction objects
    bool doomed_ = false;     // an inner one ended without commit
    std::vector<SnapshotHolder*> used_;
};

// All or nothing: commits on commit(), rolls back when left without it (an
// exception), and then refreshes every record object used inside it. A
// transaction opened inside another joins it: the outermost one decides.
class Transaction {
public:
    explicit Transaction(Connection& c);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    void rollbackAll() noexcept;
    Connection& c_;
    bool done_ = false;
};

// Runs work as one transaction and returns what it returns.
template <class Work>
auto inTransaction(Connection& c, Work&& work) -> decltype(work()) {
    Transaction t(c);
    if constexpr (std::is_void_v<decltype(work())>) {
        work();
        t.commit();
    } else {
        auto result = work();
        t.commit();
        return result;
    }
}

// True when the driver manager knows a data source of this name.
bool dataSourceExists(const std::string& name);

// Called with every connection string before it is opened; a test
// environment uses it to refuse any data source it did not create.
using ConnectionGuard = std::function<void(const std::string& connectionString)>;
void setConnectionGuard(ConnectionGuard guard);

}  // namespace db
