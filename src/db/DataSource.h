// Where the database is: the data source "Reedmere" when the user defined
// one, otherwise the embedded SQLite file in the per-user data folder,
// created from the shipped schema and seed data on first use.
#pragma once

#include <filesystem>
#include <string>

#include "db/Odbc.h"

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

// Builds a new database file at path: schema, seed and starter catalogue.
// A failure leaves no file behind.
void createEmbeddedDatabase(const std::filesystem::path& file, bool withStarterCatalogue = true);

}  // namespace db
