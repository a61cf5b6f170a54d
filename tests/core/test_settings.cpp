// The settings store: defaults, the round trip, the period field and the
// currency conversion of the "$" buttons.
#include <gtest/gtest.h>

#include <QSettings>

#include <ctime>
#include <fstream>

#include "core/Settings.h"
#include "common/TestEnv.h"
#include "core/Dates.h"

using core::Settings;

TEST(Settings, EmptyStoreGivesEveryDefault) {
    testenv::TempWorld world;
    platform::SettingsBackend store;
    Settings s;
    s.load(store);
    EXPECT_EQ(s.Install, 0);
    EXPECT_EQ(s.Common_name, 0);
    EXPECT_EQ(s.Find, 0);
    EXPECT_EQ(s.Fishview, 1);
    EXPECT_EQ(s.Tankview, 1);
    EXPECT_EQ(s.Otherview, 1);
    EXPECT_EQ(s.CD, 0);
    EXPECT_EQ(s.WWW, 0);
    EXPECT_EQ(s.Default_language, 0);
    EXPECT_EQ(s.Default_currency, 0);
    EXPECT_EQ(s.Default_fish, 14);
    EXPECT_EQ(s.Default_monocot, 12129);
    EXPECT_EQ(s.Default_dicot, 12127);
    EXPECT_EQ(s.Default_fern, 12176);
    EXPECT_EQ(s.Default_moss, 12329);
    EXPECT_EQ(s.Default_crus, 10420);
    EXPECT_EQ(s.Default_uploaded, 14);
    EXPECT_EQ(s.Default_aquarium, 20);
    EXPECT_EQ(s.Active_page, 0);
    EXPECT_EQ(s.RUR_rate, 3000);
    EXPECT_EQ(s.UAH_rate, 537);
    EXPECT_EQ(s.Breeder_number, 1);
    EXPECT_EQ(s.Archiv_fish_from, "quarter");
    EXPECT_EQ(s.Archiv_incubator_from, "quarter");
    EXPECT_EQ(s.Balance_from, core::formatDate(std::time(nullptr), "%d.%m.%Y"));
    EXPECT_EQ(s.Application_path, (world.root() / "home" / "Fishes").string());
    EXPECT_EQ(s.CD_drive, "D:");
    EXPECT_EQ(s.Fishbreeder, "Ассоциация ZVK");
    EXPECT_EQ(s.Empty_tank, "Temporary");
    EXPECT_EQ(s.viewerCommand, "xdg-open ");
    EXPECT_EQ(s.editorCommand, "xdg-open ");
    EXPECT_EQ(s.pictureStartFolder, s.Application_path);
    EXPECT_EQ(s.FTP_server, "www.reedmere.org");
    EXPECT_EQ(s.FTP_login, "reedftp_ivomarsk");
    EXPECT_EQ(s.FTP_password, "418206");
}

TEST(Settings, SaveWritesEveryKeyAndLoadReadsItBack) {
    testenv::TempWorld world;
    {
        platform::SettingsBackend store;
        Settings s;
        s.load(store);
        s.Install = 1;
        s.Default_language = 1;
        s.RUR_rate = 2845;
        s.Breeder_number = 17;
        s.Application_path = "/srv/fishes";
        s.Fishbreeder = "Ферма «Тетра»";
        s.Empty_tank = "Банка";
        s.Balance_from = "01.02.2007";
        s.save(store);
    }
    std::ifstream in(world.settingsFile());
    ASSERT_TRUE(in.good()) << world.settingsFile();
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[Settings]"), std::string::npos);
    EXPECT_NE(text.find("Install=1"), std::string::npos);
    EXPECT_NE(text.find("Default_aquarium=20"), std::string::npos);
    EXPECT_NE(text.find("Breeder_number=17"), std::string::npos);
    EXPECT_NE(text.find("Archiv_incubator_from=quarter"), std::string::npos);

    platform::SettingsBackend store;
    Settings s;
    s.load(store);
    EXPECT_EQ(s.Install, 1);
    EXPECT_EQ(s.Default_language, 1);
    EXPECT_EQ(s.RUR_rate, 2845);
    EXPECT_EQ(s.Breeder_number, 17);
    EXPECT_EQ(s.Application_path, "/srv/fishes");  // not reset once installed
    EXPECT_EQ(s.Fishbreeder, "Ферма «Тетра»");
    EXPECT_EQ(s.Empty_tank, "Банка");
    EXPECT_EQ(s.Balance_from, "01.02.2007");
}

TEST(Settings, FtpServerLoginAndPasswordRoundTrip) {
    testenv::TempWorld world;
    {
        platform::SettingsBackend store;
        Settings s;
        s.load(store);
        s.FTP_server = "ftp://files.example:2121/site";
        s.FTP_login = "breeder";
        s.FTP_password = "pa ss=word;#";
        s.save(store);
    }
    platform::SettingsBackend store;
    Settings s;
    s.load(store);
    EXPECT_EQ(s.FTP_server, "ftp://files.example:2121/site");
    EXPECT_EQ(s.FTP_login, "breeder");
    EXPECT_EQ(s.FTP_password, "pa ss=word;#");
}

TEST(Settings, AStoreWithoutFtpServerTakesTheWebServersHostAnEmptyOneStaysEmpty) {
    testenv::TempWorld world;
    {
        QSettings q(QSettings::NativeFormat, QSettings::UserScope,
                    QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Reedmere"));
        q.setValue(QStringLiteral("Settings/WWW-server"), QStringLiteral("https://fish.example:8080/breeders/"));
    }
    {
        platform::SettingsBackend store;
        Settings s;
        s.load(store);
        EXPECT_EQ(s.FTP_server, "fish.example");
        s.FTP_server = "";  // the user emptied the field: no default comes back
        s.save(store);
    }
    platform::SettingsBackend store;
    Settings s;
    s.load(store);
    EXPECT_EQ(s.FTP_server, "");
}

TEST(Settings, TheDefaultFtpServerIsTheHostOfTheWebAddress) {
    EXPECT_EQ(core::defaultFtpServer("http://www.reedmere.org/"), "www.reedmere.org");
    EXPECT_EQ(core::defaultFtpServer("www.reedmere.org"), "www.reedmere.org");
    EXPECT_EQ(core::defaultFtpServer("http://user:pw@fish.example:81/a/b?x#y"), "fish.example");
    EXPECT_EQ(core::defaultFtpServer("http://[::1]:8080/"), "[::1]");
    EXPECT_EQ(core::defaultFtpServer("http://[::1"), "");
    EXPECT_EQ(core::defaultFtpServer(""), "");
    EXPECT_EQ(core::defaultFtpServer("two words"), "");
}

TEST(Settings, ViewerAndEditorCommandsFromTheStore) {
    testenv::TempWorld world;
    {
        QSettings q(QSettings::NativeFormat, QSettings::UserScope,
                    QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Reedmere"));
        q.setValue(QStringLiteral("Settings/Viewer_command"), QStringLiteral("firefox "));
    }
    platform::SettingsBackend store;
    Settings s;
    s.load(store);
    EXPECT_EQ(s.viewerCommand, "firefox ");
    EXPECT_EQ(s.editorCommand, "xdg-open ");
}

TEST(Settings, PeriodFieldTakesOnlyTenCharacterValidDates) {
    Settings s;
    s.Balance_from = "01.01.2007";
    EXPECT_FALSE(s.takeBalanceFrom("9.7.2007"));
    EXPECT_EQ(s.Balance_from, "01.01.2007");
    EXPECT_TRUE(s.takeBalanceFrom("09.07.2007"));
    EXPECT_EQ(s.Balance_from, "09.07.2007");
    EXPECT_FALSE(s.takeBalanceFrom("09.07.2007"));  // no change, no refill
    EXPECT_FALSE(s.takeBalanceFrom("09.07.2031"));
    EXPECT_FALSE(s.takeBalanceFrom(""));
    EXPECT_FALSE(s.takeBalanceFrom("31.13.2007"));
    EXPECT_EQ(s.Balance_from, "09.07.2007");
}

TEST(Currency, DollarAndEuroAmountsStayAsTyped) {
    // Typed in cents already: 40.00 stays 4000 however often "$" is pressed.
    EXPECT_EQ(core::convertToUsdCents(4000, core::USD, 3000, 537), 4000);
    EXPECT_EQ(core::convertToUsdCents(core::convertToUsdCents(4000, core::USD, 3000, 537), core::USD, 3000, 537), 4000);
    EXPECT_EQ(core::convertToUsdCents(1239, core::Euro, 3000, 537), 1239);
    EXPECT_EQ(core::convertToUsdCents(-1235, core::USD, 3000, 537), -1235);
    EXPECT_EQ(core::convertToUsdCents(0, core::USD, 3000, 537), 0);
}

TEST(Currency, RoublesAndHryvniasGoThroughTheirRates) {
    // 30.00 roubles at 30.00 per dollar: one dollar.
    EXPECT_EQ(core::convertToUsdCents(3000, core::RUR, 3000, 537), 100);
    // 10.00 roubles: 1000*1000/3000 = 333 -> 33.3 -> 33 cents.
    EXPECT_EQ(core::convertToUsdCents(1000, core::RUR, 3000, 537), 33);
    // 20.00 roubles: 666 -> 66.6 -> 67 cents.
    EXPECT_EQ(core::convertToUsdCents(2000, core::RUR, 3000, 537), 67);
    // 5.37 hryvnias at 5.37: one dollar.
    EXPECT_EQ(core::convertToUsdCents(537, core::UAH, 3000, 537), 100);
    EXPECT_EQ(core::convertToUsdCents(100, core::UAH, 3000, 537), 19);  // 186.2 -> 18.6 -> 19
}

TEST(Currency, NegativeAmountsRoundLikeTheirPositiveTwins) {
    EXPECT_EQ(core::convertToUsdCents(-1000, core::RUR, 3000, 537), -33);
    EXPECT_EQ(core::convertToUsdCents(-2000, core::RUR, 3000, 537), -67);
    EXPECT_EQ(core::convertToUsdCents(-537, core::UAH, 3000, 537), -100);
}

TEST(Currency, LargeAmountsDoNotWrap) {
    // 3,000,000.00 roubles is 100,000.00 dollars; amount*1000 exceeds 32 bits.
    EXPECT_EQ(core::convertToUsdCents(300000000, core::RUR, 3000, 537), 10000000);
    EXPECT_EQ(core::convertToUsdCents(100, core::RUR, 0, 537), 0);  // a zero rate converts nothing
    EXPECT_EQ(core::convertToUsdCents(2147483647, core::RUR, 1, 537), 2147483647);  // saturates, never wraps
}
