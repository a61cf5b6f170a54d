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
#include <variant>
#include <vector>

namespace db {

// A database failure; what() holds the data source's error text.
class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A date and time as local seconds since 1970 (0 stands for NULL).
struct Timestamp {
    std::time_t seconds = 0;
};

// A value bound to a statement parameter or read from a column.
// monostate is SQL NULL.
using Value = std::variant<std::monostate, std::int64_t, std::string, Timestamp>;

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

    // Runs one statement of engine SQL with '?' parameters.
    void execute(const std::string& sql, const std::vector<Value>& params = {});

    // Runs statements separated by ";" at the end of a line; "--" lines are comments.
    void executeScript(const std::string& script);

    // Runs a SELECT and hands each row to onRow, columns read as kinds says.
    void query(const std::string& sql, const std::vector<ColumnKind>& kinds,
               const std::function<void(std::vector<Value>&)>& onRow,
               const std::vector<Value>& params = {});

    // Counter value given to the last row inserted on this connection.
    std::int64_t lastInsertId();

    void begin();
    void commit();
    void rollback();

    void* nativeHandle() const;

private:
    struct Handles;
    std::unique_ptr<Handles> h_;
    Engine engine_ = Engine::Other;
};

// Commits on commit(), rolls back when left without it.
class Transaction {
public:
    explicit Transaction(Connection& c) : c_(c) { c_.begin(); }
    ~Transaction() {
        if (!done_) {
            try { c_.rollback(); } catch (...) {}
        }
    }
    void commit() { c_.commit(); done_ = true; }
private:
    Connection& c_;
    bool done_ = false;
};

// True when the driver manager knows a data source of this name.
bool dataSourceExists(const std::string& name);

}  // namespace db
