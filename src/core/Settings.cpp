#include "core/Settings.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <algorithm>
#include <climits>

#include <cstdlib>
#include <ctime>

#include "core/Dates.h"

namespace core {

namespace {

struct IntKey {
    const char* name;
    int Settings::*member;
};
struct TextKey {
    const char* name;
    std::string Settings::*member;
};

const IntKey kIntKeys[] = {
    {"Install", &Settings::Install},
    {"Common_name", &Settings::Common_name},
    {"Find", &Settings::Find},
    {"Fishview", &Settings::Fishview},
    {"Tankview", &Settings::Tankview},
    {"Otherview", &Settings::Otherview},
    {"CD", &Settings::CD},
    {"WWW", &Settings::WWW},
    {"Default_language", &Settings::Default_language},
    {"Default_currency", &Settings::Default_currency},
    {"Default_fish", &Settings::Default_fish},
    {"Default_monocot", &Settings::Default_monocot},
    {"Default_dicot", &Settings::Default_dicot},
    {"Default_fern", &Settings::Default_fern},
    {"Default_moss", &Settings::Default_moss},
    {"Default_crus", &Settings::Default_crus},
    {"Default_uploaded", &Settings::Default_uploaded},
    {"Default_aquarium", &Settings::Default_aquarium},
    {"Active_page", &Settings::Active_page},
    {"RUR_rate", &Settings::RUR_rate},
    {"UAH_rate", &Settings::UAH_rate},
    {"Breeder_number", &Settings::Breeder_number},
    {"Weekly_backup", &Settings::Weekly_backup},
};

const TextKey kTextKeys[] = {
    {"Archiv_fish_from", &Settings::Archiv_fish_from},
    {"Archiv_incubator_from", &Settings::Archiv_incubator_from},
    {"Balance_from", &Settings::Balance_from},
    {"Application_path", &Settings::Application_path},
    {"CD-drive", &Settings::CD_drive},
    {"WWW-server", &Settings::WWW_server},
    {"E-mail", &Settings::E_mail},
    {"Fishbreeder", &Settings::Fishbreeder},
    {"Empty tank", &Settings::Empty_tank},
    {"FTP_server", &Settings::FTP_server},
    {"FTP_login", &Settings::FTP_login},
    {"FTP_password", &Settings::FTP_password},
};

}  // namespace

std::string firstRunWorkDirectory() {
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return std::string(home) + "/Fishes";
    const passwd* pw = getpwuid(getuid());
    return std::string(pw && pw->pw_dir && *pw->pw_dir == '/' ? pw->pw_dir : "/tmp") + "/Fishes";
}

std::string defaultFtpServer(const std::string& wwwServer) {
    std::string rest = wwwServer;
    std::size_t scheme = rest.find("://");
    if (scheme != std::string::npos) rest.erase(0, scheme + 3);
    rest = rest.substr(0, rest.find_first_of("/?#"));
    std::size_t login = rest.rfind('@');
    if (login != std::string::npos) rest.erase(0, login + 1);
    if (!rest.empty() && rest[0] == '[') {  // an IPv6 address keeps its brackets
        std::size_t close = rest.find(']');
        return close == std::string::npos ? std::string() : rest.substr(0, close + 1);
    }
    rest = rest.substr(0, rest.find(':'));
    return rest.find_first_of(" \t") == std::string::npos ? rest : std::string();
}

void Settings::load(const platform::SettingsBackend& store) {
    Balance_from = core::formatDate(std::time(nullptr), "%d.%m.%Y");
    for (const IntKey& k : kIntKeys)
        if (auto v = store.readInt(k.name)) this->*k.member = *v;
    for (const TextKey& k : kTextKeys)
        if (auto v = store.readText(k.name)) this->*k.member = *v;
    if (!store.readText("FTP_server")) FTP_server = defaultFtpServer(WWW_server);
    if (auto v = store.readText("Viewer_command")) viewerCommand = *v;
    if (auto v = store.readText("Editor_command")) editorCommand = *v;
    // Pages are never written into whatever folder the program was started
    // from: a work directory must be a full path.
    if (Install != 0 && (Application_path.empty() || Application_path[0] != '/')) {
        std::fprintf(stderr, "The work directory \"%s\" is not a full path; using %s instead.\n",
                     Application_path.c_str(), firstRunWorkDirectory().c_str());
        Application_path = firstRunWorkDirectory();
    }
    if (Install == 0) Application_path = firstRunWorkDirectory();
    pictureStartFolder = Application_path;
    currentTaxon = 14;
}

void Settings::save(platform::SettingsBackend& store) const {
    for (const IntKey& k : kIntKeys) store.writeInt(k.name, this->*k.member);
    for (const TextKey& k : kTextKeys) store.writeText(k.name, this->*k.member);
    store.sync();
}

bool Settings::takeBalanceFrom(const std::string& text) {
    if (text.empty() || text == Balance_from || !core::isPeriodDate(text)) return false;
    Balance_from = text;
    return true;
}

int convertToUsdCents(int amount, int currency, int rurRate, int uahRate) {
    // Dollars and euros are typed in cents already; only foreign hundredths go through a rate.
    if (currency != RUR && currency != UAH) return amount;
    long long rate = currency == RUR ? rurRate : uahRate;
    if (rate == 0) return 0;
    long long value = static_cast<long long>(amount) * 1000 / rate;  // 64-bit: large amounts must not wrap
    long long result = value / 10;
    long long rest = value % 10;
    // Half away from zero, so a refund rounds like the payment it undoes.
    if (rest > 4) ++result;
    if (rest < -4) --result;
    return static_cast<int>(std::clamp<long long>(result, INT_MIN, INT_MAX));
}

}  // namespace core
