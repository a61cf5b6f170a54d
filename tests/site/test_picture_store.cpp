// The picture store on disk: imports, deletes, exchanges and moves keep the
// order letters without gaps; the preview page; the stage sizes of the cards.
#include <gtest/gtest.h>

#include "SiteWorld.h"
#include "site/PictureStore.h"
#include "catalogue/PlantCard.h"

using namespace sitetest;
using site::Group;
using site::PictureStore;

namespace {

using Names = std::vector<std::string>;

struct StoreWorld : SiteWorld {
    fs::path source = root() / "camera";
    StoreWorld() { fs::create_directories(source); }
    fs::path shot(const std::string& name, const std::string& content = "") {
        writeBytes(source / name, content.empty() ? name : content);
        return source / name;
    }
    std::string content(const std::string& picture) { return bytesOf(images() / picture); }
};

}  // namespace

TEST(PictureStore, ImportTakesTheNextLettersAndTheLastThreeCharacters) {
    StoreWorld w;
    PictureStore store(w.images(), 5, Group::Animal);
    EXPECT_EQ(store.import(0, {w.shot("fish.jpeg")}), Names{"m5_a.peg"});
    EXPECT_EQ(w.content("m5_a.peg"), "fish.jpeg");
    EXPECT_EQ(site::lastImportFolder(), w.source.string());

    // A stage already holding m5_a.jpg and m5_b.gif.
    fs::remove(w.images() / "m5_a.peg");
    w.touch(w.images() / "m5_a.jpg");
    w.touch(w.images() / "m5_b.gif");
    Names made = store.import(0, {w.shot("one.png"), w.shot("two.bmp"), w.shot("three.jpg")});
    EXPECT_EQ(made, (Names{"m5_c.png", "m5_d.bmp", "m5_e.jpg"}));
    EXPECT_EQ(store.pictures(0), (Names{"m5_a.jpg", "m5_b.gif", "m5_c.png", "m5_d.bmp", "m5_e.jpg"}));
    EXPECT_EQ(w.content("m5_d.bmp"), "two.bmp");
    // Other stages and other taxa are apart.
    EXPECT_TRUE(store.pictures(1).empty());
    w.touch(w.images() / "m55_a.jpg");
    EXPECT_EQ(store.pictures(0).size(), 5u);

    EXPECT_TRUE(store.import(-1, {w.shot("x.jpg")}).empty()) << "no stage selected";
    EXPECT_TRUE(store.import(0, {}).empty());
}

TEST(PictureStore, ImportStopsAtTheLastLetter) {
    StoreWorld w;
    PictureStore store(w.images(), 5, Group::Plant);
    w.touch(w.images() / "a5_y.jpg");
    EXPECT_EQ(store.import(0, {w.shot("1.jpg"), w.shot("2.jpg")}), Names{"a5_z.jpg"});
}

TEST(PictureStore, DeletingClosesTheGap) {
    StoreWorld w;
    PictureStore store(w.images(), 5, Group::Animal);
    store.import(0, {w.shot("1.jpg"), w.shot("2.gif"), w.shot("3.png")});
    ASSERT_TRUE(store.remove(0, "m5_b.gif"));
    EXPECT_EQ(store.pictures(0), (Names{"m5_a.jpg", "m5_b.png"}));
    EXPECT_EQ(w.content("m5_b.png"), "3.png");
    ASSERT_TRUE(store.remove(0, "m5_b.png"));
    EXPECT_EQ(store.pictures(0), Names{"m5_a.jpg"});
    EXPECT_FALSE(store.remove(0, "m5_q.jpg"));
    EXPECT_FALSE(store.remove(1, "m5_a.jpg")) << "not a picture of that stage";
    EXPECT_EQ(store.pictures(0), Names{"m5_a.jpg"});
}

TEST(PictureStore, ExchangeWithFirstSwapsLettersAndKeepsExtensions) {
    StoreWorld w;
    PictureStore store(w.images(), 5, Group::Animal);
    store.import(1, {w.shot("1.jpg"), w.shot("2.gif"), w.shot("3.png")});
    ASSERT_TRUE(store.exchangeWithFirst(1, "f5_c.png"));
    EXPECT_EQ(store.pictures(1), (Names{"f5_a.png", "f5_b.gif", "f5_c.jpg"}));
    EXPECT_EQ(w.content("f5_a.png"), "3.png");
    EXPECT_EQ(w.content("f5_c.jpg"), "1.jpg");
    EXPECT_FALSE(fs::exists(w.images() / "temp"));
    EXPECT_FALSE(store.exchangeWithFirst(1, "f5_a.png"));
}

TEST(PictureStore, BringMovesBetweenThePairedStages) {
    StoreWorld w;
    PictureStore store(w.images(), 5, Group::Animal);
    store.import(0, {w.shot("1.jpg"), w.shot("2.gif"), w.shot("3.png")});
    store.import(1, {w.shot("4.jpg")});
    ASSERT_TRUE(store.bringTo(0, "m5_b.gif"));
    EXPECT_EQ(store.pictures(0), (Names{"m5_a.jpg", "m5_b.png"}));
    EXPECT_EQ(store.pictures(1), (Names{"f5_a.jpg", "f5_b.gif"}));
    EXPECT_EQ(w.content("f5_b.gif"), "2.gif");
    ASSERT_TRUE(store.bringTo(1, "f5_a.jpg"));
    EXPECT_EQ(store.pictures(1), Names{"f5_a.gif"});
    EXPECT_EQ(store.pictures(0), (Names{"m5_a.jpg", "m5_b.png", "m5_c.jpg"}));

    EXPECT_EQ(store.bringText(0), "Bring to females");
    EXPECT_EQ(store.bringText(1), "Bring to males");
    EXPECT_EQ(store.bringText(2), "Bring to...");
    EXPECT_EQ(store.bringTarget(3), -1);
    EXPECT_FALSE(store.bringTo(2, "j5_a.jpg"));
    PictureStore plants(w.images(), 5, Group::Plant);
    EXPECT_EQ(plants.bringText(0), "Bring to sprouts");
    EXPECT_EQ(plants.bringText(1), "Bring to adults");
}

TEST(PictureStore, PreviewListsEveryStageInOrder) {
    StoreWorld w;
    PictureStore store(w.images(), 5, Group::Animal);
    w.touch(w.images() / "e5_a.jpg");
    w.touch(w.images() / "m5_a.jpg");
    w.touch(w.images() / "m5_b.gif");
    fs::path page;
    ASSERT_TRUE(site::writePreview(w.env, store, &page));
    EXPECT_EQ(page, w.workDir() / "temp.html");
    const std::string dir = w.images().string();
    EXPECT_EQ(bytesOf(page),
              "<html>\r\n<body bgcolor=\"#C0C0C0\">\r\n"
              "<img border=\"0\" src=\"" + dir + "/m5_a.jpg\" width=\"25%\" align=\"top\" alt=\"-Male- m5_a.jpg\">"
              "<img border=\"0\" src=\"" + dir + "/m5_b.gif\" width=\"25%\" align=\"top\" alt=\"-Male- m5_b.gif\"><br>\r\n"
              "<img border=\"0\" src=\"" + dir + "/e5_a.jpg\" width=\"25%\" align=\"top\" alt=\"-Eggs- e5_a.jpg\"><br>\r\n"
              "</body>\r\n</html>\r\n");

    // Held elsewhere: the message, and the dialog goes on.
    fs::remove(page);
    fs::create_directories(page);
    EXPECT_FALSE(site::writePreview(w.env, store));
    EXPECT_EQ(w.prompter.lastText(), page.string() + " is already opened!");
}

TEST(StageSizes, MaxLengthWritesOnlyTheStageColumnAndCreatesTheCard) {
    StoreWorld w;
    w.exec("INSERT INTO \"Reedmere\" (\"Cod\",\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") VALUES "
           "(7005,', ',64,'splendens',14,14),(7006,', ',64,'barteri',12129,12129)");
    EXPECT_EQ(site::stageSize(w.doc, Group::Animal, 7005, 0), "");
    site::setStageSize(w.doc, Group::Animal, 7005, 0, "40");
    EXPECT_EQ(w.scalar("SELECT \"M_len\"||'/'||\"F_len\"||'/'||\"Keep_cond\"||'/'||\"Spawn_cond\" FROM \"Fishes\" "
                       "WHERE \"Of_fish\"=7005"),
              "40//||||||/||||||||");
    site::setStageSize(w.doc, Group::Animal, 7005, 4, "1.5");
    EXPECT_EQ(site::stageSize(w.doc, Group::Animal, 7005, 4), "1.5");
    EXPECT_EQ(site::stageSize(w.doc, Group::Animal, 7005, 0), "40");
    EXPECT_EQ(w.scalar("SELECT count(*) FROM \"Fishes\" WHERE \"Of_fish\"=7005"), "1");

    site::setStageSize(w.doc, Group::Plant, 7006, 0, "300");
    EXPECT_EQ(w.scalar("SELECT \"Height\"||'/'||\"Spr_size\"||'/'||\"Fl_size\"||'/'||\"Seed_size\"||'/'||"
                       "\"Keep_cond\" FROM \"Plants\" WHERE \"Of_cod\"=7006"),
              "300////|||");
    site::setStageSize(w.doc, Group::Plant, 7006, 2, "12");
    EXPECT_EQ(site::stageSize(w.doc, Group::Plant, 7006, 2), "12");
    EXPECT_EQ(site::stageSize(w.doc, Group::Plant, 7006, 0), "300");
    EXPECT_EQ(w.scalar("SELECT count(*) FROM \"Plants\" WHERE \"Of_cod\"=7006"), "1");
}
