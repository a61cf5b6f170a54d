// The document's second taxa and card objects open on the first ones' rows:
// each still behaves as a snapshot of its own.
#include <gtest/gtest.h>

#include "common/TestEnv.h"

namespace {

struct TwoTaxa : testenv::DocWorld {
    int genus = 0;
    TwoTaxa() {
        exec("INSERT INTO \"Reedmere\" (\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") "
             "VALUES ('x',512,'Apistogramma',14,14)");
        genus = std::stoi(scalar("SELECT last_insert_rowid()"));
        doc.taxa->requery();
        doc.taxa2->openSharing(*doc.taxa);
    }
};

TEST(SharedSnapshot, TheSecondObjectReadsTheSameRowsAsTheFirst) {
    testenv::DocWorld w;
    EXPECT_GT(w.doc.taxa->rowCount(), 0u);
    EXPECT_EQ(w.doc.taxa2->rowCount(), w.doc.taxa->rowCount());
    EXPECT_EQ(w.doc.taxa2->sort(), w.doc.taxa->sort());
    for (w.doc.taxa->moveFirst(), w.doc.taxa2->moveFirst(); !w.doc.taxa->isEOF();
         w.doc.taxa->moveNext(), w.doc.taxa2->moveNext()) {
        ASSERT_FALSE(w.doc.taxa2->isEOF());
        EXPECT_EQ(w.doc.taxa2->m_Cod, w.doc.taxa->m_Cod);
        EXPECT_EQ(w.doc.taxa2->m_Lat_name, w.doc.taxa->m_Lat_name);
    }
    EXPECT_EQ(w.doc.animalCards2->rowCount(), w.doc.animalCards->rowCount());
    EXPECT_EQ(w.doc.plantCards2->rowCount(), w.doc.plantCards->rowCount());
}

TEST(SharedSnapshot, AWriteThroughOneLeavesTheOtherOnWhatItRead) {
    TwoTaxa w;
    ASSERT_TRUE(w.doc.taxa->moveToKey(w.genus));
    w.doc.taxa->edit();
    w.doc.taxa->m_Lat_name = "Mikrogeophagus";
    w.doc.taxa->update();
    EXPECT_EQ(w.doc.taxa->m_Lat_name, "Mikrogeophagus");

    // The other still holds the row as read, and its write is refused as a
    // change made elsewhere, then it reads the row again.
    ASSERT_TRUE(w.doc.taxa2->moveToKey(w.genus));
    EXPECT_EQ(w.doc.taxa2->m_Lat_name, "Apistogramma");
    w.doc.taxa2->edit();
    w.doc.taxa2->m_Lat_name = "Crenicichla";
    EXPECT_THROW(w.doc.taxa2->update(), db::ConflictError);
    EXPECT_EQ(w.doc.taxa2->m_Lat_name, "Mikrogeophagus");
    EXPECT_EQ(w.scalar("SELECT \"Lat_name\" FROM \"Reedmere\" WHERE \"Cod\"=" + std::to_string(w.genus)),
              "Mikrogeophagus");

    // The first one's snapshot keeps its own write.
    ASSERT_TRUE(w.doc.taxa->moveToKey(w.genus));
    EXPECT_EQ(w.doc.taxa->m_Lat_name, "Mikrogeophagus");
}

TEST(SharedSnapshot, ADeleteOrRequeryOfOneIsNotSeenByTheOther) {
    TwoTaxa w;
    const std::size_t rows = w.doc.taxa->rowCount();
    ASSERT_TRUE(w.doc.taxa->moveToKey(w.genus));
    w.doc.taxa->deleteRow();
    EXPECT_TRUE(w.doc.taxa->isDeleted());
    ASSERT_TRUE(w.doc.taxa2->moveToKey(w.genus));
    EXPECT_FALSE(w.doc.taxa2->isDeleted());
    EXPECT_EQ(w.doc.taxa2->m_Lat_name, "Apistogramma");

    w.doc.taxa->requery();
    EXPECT_EQ(w.doc.taxa->rowCount(), rows - 1);
    EXPECT_EQ(w.doc.taxa2->rowCount(), rows);
    w.doc.taxa2->requery();
    EXPECT_EQ(w.doc.taxa2->rowCount(), rows - 1);
    EXPECT_FALSE(w.doc.taxa2->moveToKey(w.genus));
}

TEST(SharedSnapshot, AnObjectOfAnotherFilterReadsItsOwnRows) {
    TwoTaxa w;
    w.doc.taxa->setFilter("Cod=" + std::to_string(w.genus));
    w.doc.taxa->requery();
    ASSERT_EQ(w.doc.taxa->rowCount(), 1u);
    // Sharing takes the filter along: the same single row.
    db::Fish other(w.conn());
    other.openSharing(*w.doc.taxa);
    EXPECT_EQ(other.filter(), w.doc.taxa->filter());
    EXPECT_EQ(other.rowCount(), 1u);
    EXPECT_EQ(other.m_Lat_name, "Apistogramma");
    // A closed object has nothing to share: the rows are read.
    db::Fish closed(w.conn());
    closed.setFilter("Cod=14");
    db::Fish fromClosed(w.conn());
    fromClosed.openSharing(closed);
    EXPECT_TRUE(fromClosed.isOpen());
    EXPECT_EQ(fromClosed.rowCount(), 1u);
}

}  // namespace
