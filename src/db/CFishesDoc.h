// The single document: the database connection and one open record object
// per table (two for the taxa, the animal cards and the plant cards), each
// holding a snapshot of its whole table after creation (a second object
// begins on the first one's rows).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "db/DataSource.h"
#include "db/Records.h"

namespace db {

class CFishesDoc {
public:
    using Progress = std::function<void(const std::string&)>;

    CFishesDoc() = default;
    ~CFishesDoc();
    CFishesDoc(const CFishesDoc&) = delete;
    CFishesDoc& operator=(const CFishesDoc&) = delete;

    // Connects and opens every member in order, announcing each step through
    // progress. Throws DbError and leaves nothing open when any step fails.
    void create(const DataSourceChoice& source, const Progress& progress);
    void destroy();
    bool isCreated() const { return static_cast<bool>(links); }

    std::unique_ptr<Connection> db;
    std::unique_ptr<Fish> taxa;
    std::unique_ptr<Fish> taxa2;
    std::unique_ptr<Common> commonNames;
    std::unique_ptr<My_Fish> lots;
    std::unique_ptr<Aquarium> tanks;
    std::unique_ptr<Incubator> spawnings;
    std::unique_ptr<Classific> ranks;
    std::unique_ptr<Habitat> habitats;
    std::unique_ptr<CSent> expenses;
    std::unique_ptr<Senttype> expenseKinds;
    std::unique_ptr<Fishes> animalCards;
    std::unique_ptr<Fishes> animalCards2;
    std::unique_ptr<Plants> plantCards;
    std::unique_ptr<Plants> plantCards2;
    std::unique_ptr<Price> prices;
    std::unique_ptr<CDescr> descriptions;
    std::unique_ptr<CJournal> journal;
    std::unique_ptr<Links> links;
};

}  // namespace db
