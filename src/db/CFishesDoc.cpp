#include "db/CFishesDoc.h"

namespace db {

namespace {

template <class R>
std::unique_ptr<R> openMember(Connection& c, const char* sort) {
    auto r = std::make_unique<R>(c);
    r->setSort(sort);
    r->open();
    return r;
}

// A second object of a table begins on the first one's rows instead of reading them again.
template <class R>
std::unique_ptr<R> openSecond(Connection& c, const R& first) {
    auto r = std::make_unique<R>(c);
    r->openSharing(first);
    return r;
}

}  // namespace

CFishesDoc::~CFishesDoc() { destroy(); }

void CFishesDoc::create(const DataSourceChoice& source, const Progress& progress) {
    auto say = [&](const char* text) {
        if (progress) progress(text);
    };
    try {
        say("Read Reed Mere taxonomy...");
        db = std::make_unique<Connection>();
        connect(*db, source);
        taxa = openMember<Fish>(*db, "Lat_name");
        taxa2 = openSecond(*db, *taxa);
        say("Read common names...");
        commonNames = openMember<Common>(*db, "Name");
        say("Read my fishes...");
        lots = openMember<My_Fish>(*db, "Date_first_eat, Cod");
        say("Read my tanks...");
        tanks = openMember<Aquarium>(*db, "In_liters, Other");
        say("Read incubator...");
        spawnings = openMember<Incubator>(*db, "Of_incubator, Date_eggs, Cod");
        say("Read taxonomy...");
        ranks = openMember<Classific>(*db, "Number");
        say("Read natural habitats...");
        habitats = openMember<Habitat>(*db, "Name");
        say("Read commercial info...");
        expenses = openMember<CSent>(*db, "Date");
        expenseKinds = openMember<Senttype>(*db, "");
        say("Read Reed Mere info...");
        animalCards = openMember<Fishes>(*db, "");
        animalCards2 = openSecond(*db, *animalCards);
        plantCards = openMember<Plants>(*db, "");
        plantCards2 = openSecond(*db, *plantCards);
        prices = openMember<Price>(*db, "");
        descriptions = openMember<CDescr>(*db, "");
        journal = openMember<CJournal>(*db, "Date");
        say("Read Internet links...");
        links = openMember<Links>(*db, "Name");
    } catch (...) {
        destroy();
        throw;
    }
}

void CFishesDoc::destroy() {
    links.reset();
    journal.reset();
    descriptions.reset();
    prices.reset();
    plantCards2.reset();
    plantCards.reset();
    animalCards2.reset();
    animalCards.reset();
    expenseKinds.reset();
    expenses.reset();
    habitats.reset();
    ranks.reset();
    spawnings.reset();
    tanks.reset();
    lots.reset();
    commonNames.reset();
    taxa2.reset();
    taxa.reset();
    db.reset();
}

}  // namespace db
