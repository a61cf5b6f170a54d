// The Settings sub-menu of Service: language, currency and its rate, the
// farm's name, the work directories, the empty tank's name and the views of
// the balance list.
#include <QCoreApplication>
#include <optional>
#include <string>

#include "core/InterfaceText.h"
#include "ui/app/CFishesView.h"
#include "ui/app/Commands.h"
#include "ui/app/Fishbreeder.h"
#include "ui/app/MainCommands.h"
#include "ui/app/ShellCommands.h"
#include "ui/app/Workdir.h"

namespace app {

namespace {

void setValue(MainContext& ctx, int core::Settings::*key, int value) {
    ctx.shell.settings.*key = value;
    emit ctx.view.refreshRequested();
}

void toggleView(MainContext& ctx, int core::Settings::*view) {
    core::Settings& s = ctx.shell.settings;
    s.*view = s.*view ? 0 : 1;
    ctx.view.refill();
    emit ctx.view.refreshRequested();
}

void editText(MainContext& ctx, const std::string& label, std::string core::Settings::*text) {
    std::string value = ctx.shell.settings.*text;
    if (ctx.shell.prompter.askText(label, value)) ctx.shell.settings.*text = value;
}

// The farm's name and its breeder's number, in one dialog.
void editFarm(MainContext& ctx) {
    core::Settings& s = ctx.shell.settings;
    std::string name = s.Fishbreeder;
    int number = s.Breeder_number;
    if (!Fishbreeder::askFarm(&ctx.view, name, number)) return;
    s.Fishbreeder = name;
    s.Breeder_number = number;
}

void currencyRate(MainContext& ctx) {
    core::Settings& s = ctx.shell.settings;
    if (s.Default_currency == core::Euro) {
        ctx.shell.prompter.tell(QCoreApplication::translate("SettingsCommands", "No rate is kept for Euro: Euro amounts are taken at par with USD.").toStdString(),
                                platform::MessageKind::Information);
        return;
    }
    int core::Settings::*rate = rateOf(s.Default_currency);
    if (!rate) return;  // USD: nothing to set
    std::string value = std::to_string(s.*rate);
    if (!ctx.shell.prompter.askText(QCoreApplication::translate("SettingsCommands", "Enter rate of USD").toStdString(), value)) return;
    if (std::optional<int> typed = readRate(value)) s.*rate = *typed;
}

}  // namespace

void addSettingsCommands(CommandMap& map, MainContext& ctx) {
    using S = core::Settings;
    map[ID_ENGLISH] = [&ctx] { setValue(ctx, &S::Default_language, core::English); };
    map[ID_RUSSIAN] = [&ctx] { setValue(ctx, &S::Default_language, core::Russian); };
    map[ID_USD] = [&ctx] { setValue(ctx, &S::Default_currency, core::USD); };
    map[ID_EURO] = [&ctx] { setValue(ctx, &S::Default_currency, core::Euro); };
    map[ID_RUR] = [&ctx] { setValue(ctx, &S::Default_currency, core::RUR); };
    map[ID_UAH] = [&ctx] { setValue(ctx, &S::Default_currency, core::UAH); };
    map[ID_FISHBREEDER_FARM] = [&ctx] { editFarm(ctx); };
    map[ID_NAME_FOR_EMPTY_TANK] = [&ctx] { editText(ctx, QCoreApplication::translate("SettingsCommands", "Name for tank with null-volume").toStdString(), &S::Empty_tank); };
    map[ID_CURRENCY_RATE] = [&ctx] { currencyRate(ctx); };
    map[ID_WORK_DIRECTORIES] = [&ctx] {
        Workdir dialog(ctx.shell.settings, &ctx.view);
        dialog.exec();
    };
    map[ID_VIEW_FISHES] = [&ctx] { toggleView(ctx, &S::Fishview); };
    map[ID_VIEW_TANKS] = [&ctx] { toggleView(ctx, &S::Tankview); };
    map[ID_VIEW_OTHER] = [&ctx] { toggleView(ctx, &S::Otherview); };
}

}  // namespace app
