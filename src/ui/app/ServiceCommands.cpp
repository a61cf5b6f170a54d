// The Service menu's database and upload commands and the Help menu.
#include <filesystem>
#include <optional>

#include "core/InterfaceText.h"
#include "db/DataSource.h"
#include "farm/ClearDatabase.h"
#include "publish/FtpUpload.h"
#include "site/PageSkeleton.h"
#include "ui/app/About.h"
#include "ui/app/CFishesView.h"
#include "ui/app/Commands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/ShellCommands.h"
#include "ui/common/WaitCursor.h"

namespace app {

namespace {

void clearDatabase(MainContext& ctx) {
    CFishesView& view = ctx.view;
    db::DataSourceChoice source = db::chooseDataSource();
    farm::ClearTarget target{ctx.shell.doc, ctx.shell.prompter, view, [&view] { view.clearLog(); },
                             source.embedded ? std::optional(source.file) : std::nullopt};
    std::optional<ui::WaitCursor> waiting;
    target.busy = [&waiting](bool on) {
        if (on) waiting.emplace();
        else waiting.reset();
    };
    if (!farm::clearDatabase(target)) return;
    view.refill(CFishesView::Refill::Full);
    // The refilled list would hide where the copy went.
    if (!target.copyWritten.empty()) view.line(farm::clearCopyLine(target.copyWritten));
}

void helpContent(MainContext& ctx) {
    const core::Settings& s = ctx.shell.settings;
    std::filesystem::path page = helpPage(s);
    std::error_code ec;
    if (!std::filesystem::exists(page, ec)) {
        ctx.shell.prompter.tell(page.string() + " is absent!", platform::MessageKind::Error);
        return;
    }
    if (!site::showPage(site::siteEnv(s, ctx.shell.prompter), page.string()))
        ctx.shell.prompter.tell("The HTML viewer \"" + s.viewerCommand + "\" cannot be started.",
                                platform::MessageKind::Error);
}

publish::UploadSettings uploadSettings(const core::Settings& s) {
    publish::UploadSettings u;
    u.server = s.FTP_server;
    u.login = s.FTP_login;
    u.password = s.FTP_password;
    u.workDir = s.Application_path;
    u.currentTaxon = s.currentTaxon;
    u.defaultUploaded = s.Default_uploaded;
    return u;
}

// The taxon the job completes is kept at once, so a stop or a crash later
// in the run still continues from it.
void addUploadCommand(CommandMap& map, MainContext& ctx) {
    publish::FtpUpload& upload = *ctx.upload;
    core::Settings& settings = ctx.shell.settings;
    QObject::connect(&upload, &publish::FtpUpload::defaultUploadedChanged, &upload,
                     [&settings](std::int32_t taxon) { settings.Default_uploaded = taxon; });
    map[ID_CHECK_FTP_SERVER] = [&upload, &settings] { upload.toggle(uploadSettings(settings)); };
}

}  // namespace

void addServiceCommands(CommandMap& map, MainContext& ctx) {
    map[ID_CLEAR_DATABASE] = [&ctx] { clearDatabase(ctx); };
    map[ID_APP_ABOUT] = [&ctx] {
        ctx.shell.prompter.tell(aboutText(ctx.shell.settings, db::chooseDataSource()),
                                platform::MessageKind::Information);
    };
    map[ID_HELP_CONTENT] = [&ctx] { helpContent(ctx); };
    addUploadCommand(map, ctx);
}

}  // namespace app
