// Where the database is: the data source "Reedmere" when the user defined
// one, otherwise the embedded SQLite file in the per-user data folder,
// created from the shipped schema and seed data on first use.
#pragma once

#include <filesystem>
#include <string>

#include "db/Odbc.h"
#include "platform/Prompter.h"

namespace db {

struct DataSourceChoice {
    std::string connectionString;
    std::string name;                 // what messages call it
    bool embedded = false;
    std::filesystem::path file;       // the embedded file
};

// ~/.local/share/Reedmere/Reedmere.db (XDG_DATA_HOME honoured).
std::filesystem::path embeddedDatabasePath();

// The folder of shipped data (schema, seed, site skeleton, starter catalogue).
std::filesystem::path shippedDataDir();

DataSourceChoice chooseDataSource();

// The file that keeps a second copy of the program off this database: beside
// the embedded file, or in the data folder for a user's data source.
std::filesystem::path instanceLockFile(const DataSourceChoice& source);

// Connects; for the embedded file creates it from the schema and seed first
// when it does not exist. Throws DbError naming the data source.
void connect(Connection& c, const DataSourceChoice& source);

// The shipped schema and seed data as the engine takes them: one source,
// rendered for PostgreSQL (a case-insensitive collation, serial counters).
std::string schemaScript(Engine engine);
std::string seedScript(Engine engine);

// Moves every counter past the highest code its table holds, so that rows
// inserted with explicit codes (the seed) are never given again.
void moveCountersPastRows(Connection& c);

// True when the connection's database (its current schema) holds any table.
bool hasTables(Connection& c);

// Makes an empty database ready, in one transaction: tables, seed data,
// counters past the seeded codes and, when asked, the starter catalogue.
// Refuses (DbError, nothing changed) a database that already has tables.
void initialiseDataSource(Connection& c, bool withStarterCatalogue = true);

// "Initialise data source": makes the user's data source "Reedmere" ready
// when it is empty, after "      Are you sure?"; tells why it refuses one
// that already has tables, or when no such data source is defined. True
// when it initialised the data source.
bool initialiseUserDataSource(platform::Prompter& prompter);

// True when source is a data source of the user's that can be reached and
// holds no table yet (what start-up offers to initialise).
bool isEmptyUserDataSource(const DataSourceChoice& source);

// Builds a new database file at path: schema, seed and starter catalogue.
// A failure leaves no file behind.
void createEmbeddedDatabase(const std::filesystem::path& file, bool withStarterCatalogue = true);

}  // namespace db
