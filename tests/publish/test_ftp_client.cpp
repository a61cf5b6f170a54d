// The FTP client: server texts, error texts, names that must never be
// sent, listings read into sizes, and the requests themselves against a
// real server on 127.0.0.1.
#include <gtest/gtest.h>

#include "publish/FtpClient.h"
#include "publish/FtpUpload.h"
#include "publish/FtpWorld.h"

#include "common/TestEnv.h"

using namespace publish;
using ftptest::FtpServer;

TEST(ServerText, AHostWithoutSchemeBecomesAnFtpAddressAndOtherServicesAreRefused) {
    auto bare = parseServer("127.0.0.1:2121");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->baseUrl, "ftp://127.0.0.1:2121/");
    EXPECT_EQ(bare->host, "127.0.0.1");

    auto folder = parseServer("ftp://user:pw@files.reedmere.org/www/site?x#y");
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->baseUrl, "ftp://files.reedmere.org/www/site/");  // no login kept in the address

    EXPECT_FALSE(parseServer("http://www.reedmere.org/"));
    EXPECT_FALSE(parseServer(""));
    EXPECT_FALSE(parseServer("ftp://"));
    EXPECT_FALSE(parseServer("ftp://[::1"));
    EXPECT_FALSE(parseServer("two words"));
}

TEST(ServerText, ErrorTextsAreCutAt1024CharactersAndNeverEmpty) {
    EXPECT_EQ(limitedErrorText(""), "Unrecognized exception error");
    EXPECT_EQ(limitedErrorText(std::string(3000, 'e')).size(), 1024u);
    EXPECT_EQ(limitedErrorText("530 Login incorrect."), "530 Login incorrect.");
}

TEST(RemoteNames, NamesThatCouldLeaveTheirFolderOrInjectCommandsAreRefused) {
    for (const char* good : {"m14.html", "Pisces", "s 12.html", "Ассоциация.html", ".htaccess"})
        EXPECT_TRUE(safeRemoteName(good)) << good;
    for (const char* bad : {"", "..", "a..b", "../up", "a/b", "a\\b", "x\r\nDELE y", "tab\t", "del\x7f"})
        EXPECT_FALSE(safeRemoteName(bad)) << bad;
}

TEST(Listings, MachineAndUnixAndDosListingsGiveNamesSizesAndFolders) {
    RemoteListing m = parseMlsd(
        "type=cdir;perm=el; .\r\ntype=pdir; ..\r\n"
        "type=file;size=1234;modify=20240101120000; m14.html\r\n"
        "Type=Dir;Modify=20240101120000; Images\r\n"
        "type=file;size=0; with blank.txt\r\n");
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m["m14.html"].size, 1234);
    EXPECT_FALSE(m["m14.html"].directory);
    EXPECT_TRUE(m["Images"].directory);
    EXPECT_EQ(m["with blank.txt"].size, 0);

    RemoteListing u = parseList(
        "total 8\r\n"
        "drwxr-xr-x   2 owner group      4096 Jan 01 12:00 Images\r\n"
        "-rw-r--r--   1 owner group     98765 Jan 01  2023 name with  blanks.html\r\n"
        "lrwxrwxrwx   1 owner group        10 Jan 01 12:00 link -> target\r\n");
    ASSERT_EQ(u.size(), 2u);
    EXPECT_TRUE(u["Images"].directory);
    EXPECT_EQ(u["name with  blanks.html"].size, 98765);

    RemoteListing d = parseList("01-15-24  09:30AM       <DIR>          Images\r\n"
                                "01-15-24  09:31AM                 512 m5_a.jpg\r\n");
    ASSERT_EQ(d.size(), 2u);
    EXPECT_TRUE(d["Images"].directory);
    EXPECT_EQ(d["m5_a.jpg"].size, 512);
}

TEST(Netrc, AnEntryIsFoundForItsHostOnlyOrForDefault) {
    testenv::TempWorld world;
    auto file = world.root() / "netrc";
    ftptest::writeFile(file, "machine other.org login a password b\nmachine 127.0.0.1\n  login x password y\n");
    EXPECT_TRUE(netrcHasEntry(file.string(), "127.0.0.1"));
    EXPECT_FALSE(netrcHasEntry(file.string(), "reedmere.org"));
    EXPECT_FALSE(netrcHasEntry((world.root() / "absent").string(), "127.0.0.1"));
    ftptest::writeFile(file, "default login x password y\n");
    EXPECT_TRUE(netrcHasEntry(file.string(), "anything.org"));
}

namespace {

FtpClient clientFor(const FtpServer& server, const std::string& password = FtpServer::kPassword,
                    ClientOptions options = {}) {
    options.timeoutSeconds = 5;
    return FtpClient(*parseServer(server.host()), Credentials{FtpServer::kUser, password}, [] { return false; },
                     options);
}

}  // namespace

TEST(FtpClientOnServer, FoldersAndFilesArriveWholeUnderTheirNamesAndListWithSizes) {
    testenv::TempWorld world;
    FtpServer server(world.root() / "server");
    FtpClient client = clientFor(server);
    RemoteListing top;
    ASSERT_TRUE(client.connect(top)) << client.errorText();
    EXPECT_TRUE(top.empty());
    EXPECT_TRUE(client.machineListing());

    ASSERT_TRUE(client.makeDirectory("", "Classes")) << client.errorText();
    ASSERT_TRUE(client.makeDirectory("Classes", "Pisces")) << client.errorText();
    std::string bytes("\x00\x01\r\n\x88 m14\n", 10);
    auto local = world.root() / "m14 page.html";
    ftptest::writeFile(local, bytes);
    ASSERT_TRUE(client.upload(local, "Classes/Pisces", "m14 page.html")) << client.errorText();
    // Replacing a file goes through the same rename.
    ftptest::writeFile(local, bytes + "more");
    ASSERT_TRUE(client.upload(local, "Classes/Pisces", "m14 page.html")) << client.errorText();

    EXPECT_EQ(ftptest::filesBelow(server.root()),
              (std::map<std::string, std::string>{{"Classes/Pisces/m14 page.html", bytes + "more"}}));
    RemoteListing pisces;
    ASSERT_TRUE(client.list("Classes/Pisces", pisces));
    ASSERT_EQ(pisces.size(), 1u);
    EXPECT_EQ(pisces["m14 page.html"].size, static_cast<std::int64_t>(bytes.size() + 4));
    ASSERT_TRUE(client.list("", top));
    EXPECT_TRUE(top["Classes"].directory);

    // A missing folder is an error with the server's reply, not an empty listing.
    RemoteListing none;
    EXPECT_FALSE(client.list("Absent", none));
    EXPECT_NE(client.errorText().find("550"), std::string::npos) << client.errorText();

    // Unsafe names never reach the server.
    std::size_t sent = client.requests();
    EXPECT_FALSE(client.upload(local, "Classes", "../escape.html"));
    EXPECT_FALSE(client.upload(local, "Classes/..", "x.html"));
    EXPECT_FALSE(client.makeDirectory("", "a\r\nDELE b"));
    EXPECT_EQ(client.requests(), sent);
    EXPECT_EQ(client.errorText(), "Unsafe remote name");
    EXPECT_FALSE(std::filesystem::exists(world.root() / "escape.html"));
}

TEST(FtpClientOnServer, AFailingActiveModeFallsBackToPassiveForTheRestOfTheWalk) {
    testenv::TempWorld world;
    FtpServer server(world.root() / "server");
    ClientOptions options;
    options.activeAddress = "192.0.2.1";  // not on this machine: the data port cannot be opened
    FtpClient client = clientFor(server, FtpServer::kPassword, options);
    RemoteListing top;
    ASSERT_TRUE(client.connect(top)) << client.errorText();
    EXPECT_TRUE(client.passive());
    auto local = world.root() / "a.html";
    ftptest::writeFile(local, "abc");
    ASSERT_TRUE(client.upload(local, "", "a.html")) << client.errorText();
    EXPECT_EQ(ftptest::filesBelow(server.root())["a.html"], "abc");

    FtpClient active = clientFor(server);
    ASSERT_TRUE(active.connect(top));
    EXPECT_FALSE(active.passive());
    EXPECT_EQ(top["a.html"].size, 3);
}

TEST(FtpClientOnServer, AWrongPasswordGivesTheServersTextAndANetrcEntryTakesPrecedence) {
    testenv::TempWorld world;
    FtpServer server(world.root() / "server");
    FtpClient wrong = clientFor(server, "wrong");
    RemoteListing top;
    EXPECT_FALSE(wrong.connect(top));
    EXPECT_EQ(wrong.errorText().rfind("530", 0), 0u) << wrong.errorText();

    ClientOptions options;
    options.netrcFile = (world.root() / "netrc").string();
    ftptest::writeFile(options.netrcFile, std::string("machine 127.0.0.1 login ") + FtpServer::kUser + " password " +
                                              FtpServer::kPassword + "\n");
    FtpClient fromNetrc = clientFor(server, "wrong", options);
    EXPECT_TRUE(fromNetrc.connect(top)) << fromNetrc.errorText();
}

TEST(FtpClientOnServer, AServerWithoutMachineListingsIsReadThroughList) {
    testenv::TempWorld world;
    FtpServer server(world.root() / "server", false);
    ftptest::writeFile(server.root() / "Classes" / "with blank.html", std::string(1234, 'x'));
    FtpClient client = clientFor(server);
    RemoteListing top;
    ASSERT_TRUE(client.connect(top)) << client.errorText();
    EXPECT_FALSE(client.machineListing());
    EXPECT_TRUE(top["Classes"].directory);
    RemoteListing classes;
    ASSERT_TRUE(client.list("Classes", classes)) << client.errorText();
    EXPECT_EQ(classes["with blank.html"].size, 1234);
    EXPECT_FALSE(classes["with blank.html"].directory);
}
