// The user's preferences: every key of the settings store as a member, read
// once at start-up and written back once at exit, plus the values kept
// beside them for the run.
#pragma once

#include <string>

#include "core/ClassCodes.h"
#include "platform/SettingsBackend.h"

namespace core {

enum Currency { USD = 0, Euro = 1, RUR = 2, UAH = 3 };

struct Settings {
    int Install = 0;
    int Common_name = 0;
    int Find = 0;
    int Fishview = 1;
    int Tankview = 1;
    int Otherview = 1;
    int CD = 0;
    int WWW = 0;
    int Default_language = 0;
    int Default_currency = 0;
    int Default_fish = kFishes;
    int Default_monocot = kMonocotyledons;
    int Default_dicot = kDicotyledons;
    int Default_fern = kFerns;
    int Default_moss = kMosses;
    int Default_crus = kCrustaceans;
    int Default_uploaded = kFishes;
    int Default_aquarium = 20;
    int Active_page = 0;
    int RUR_rate = 3000;
    int UAH_rate = 537;
    int Breeder_number = 1;  // names the farm's bulletin file in the association
    int Weekly_backup = 1;   // a backup of the database into the data folder once a week

    std::string Archiv_fish_from = "quarter";
    std::string Archiv_incubator_from = "quarter";
    std::string Balance_from;  // today as "%d.%m.%Y" unless stored
    std::string Application_path = "C:\\Fishes";
    std::string CD_drive = "D:";
    std::string WWW_server = "http://www.reedmere.org/";
    std::string E_mail = "breeder@reedmere.org";
    std::string Fishbreeder = "Ассоциация ZVK";
    std::string Empty_tank = "Temporary";
    std::string FTP_server;  // the host of WWW_server unless stored
    std::string FTP_login = "reedftp_ivomarsk";
    std::string FTP_password = "418206";

    // Kept beside the settings, not written back.
    std::string viewerCommand = "xdg-open ";
    std::string editorCommand = "xdg-open ";
    std::string pictureStartFolder;  // the work directory as it was at start-up
    int currentTaxon = kFishes;

    // Reads every key; an absent key keeps its default. On the first run
    // ("Install" 0), and whenever the stored one is empty or not a full
    // path, the work directory becomes ~/Fishes.
    void load(const platform::SettingsBackend& store);
    // Writes every integer key, then every text key.
    void save(platform::SettingsBackend& store) const;

    // Takes a period date typed in the main window when it is valid and new.
    bool takeBalanceFrom(const std::string& text);
};

// The work directory of a first run: the folder "Fishes" in the home folder.
std::string firstRunWorkDirectory();

// The FTP server a store without one starts with: the host of the web
// server's address ("" when it names none).
std::string defaultFtpServer(const std::string& wwwServer);

// The "$" button's rule: an amount typed in the current currency in US cents.
int convertToUsdCents(int amount, int currency, int rurRate, int uahRate);

}  // namespace core
