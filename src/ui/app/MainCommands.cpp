#include "ui/app/MainCommands.h"

#include <exception>

#include "publish/FtpUpload.h"
#include "ui/app/BackupCommands.h"
#include "ui/app/CFishesView.h"
#include "ui/app/Commands.h"
#include "ui/app/PanelLayout.h"

namespace app {

MainCommands::MainCommands(const ShellContext& shell, CFishesView& view)
    : work_(shell.prompter, view), context_{shell, view, work_}, uploadLog_(view),
      upload_(std::make_unique<publish::FtpUpload>(shell.doc, work_, shell.prompter, uploadLog_)) {
    context_.upload = upload_.get();
    addCatalogsCommands(map_, context_);
    addFarmCommands(map_, context_);
    addReportCommands(map_, context_);
    addSettingsCommands(map_, context_);
    addServiceCommands(map_, context_);
    addDataSourceCommands(map_, context_);
    addBackupCommands(map_, context_);
    connect(&work_, &platform::BackgroundWork::busyChanged, this, &MainCommands::busyChanged);
    connect(&work_, &platform::BackgroundWork::busyChanged, &view, &CFishesView::setBusy);
    connect(&view, &CFishesView::buttonClicked, this, &MainCommands::run);
    connect(&view, &CFishesView::rowActivated, this,
            [this](int row) { guarded([this, row] { activateBalanceRow(context_, row); }); });
}

// Closing the window stops the running job and waits for it.
MainCommands::~MainCommands() {
    work_.requestStop();
    work_.wait();
}

void MainCommands::run(int id) {
    if (work_.busy() && !availableWhileBusy(id)) return;
    // The fixed commands first: About and Help have numbers above the class entries' range start.
    auto it = map_.find(id);
    if (it != map_.end()) {
        guarded(it->second);
        return;
    }
    const int n = id - kClassCommandFirst + 1;
    if (n >= 1) guarded([this, n] { openClassCatalogue(context_, n); });
}

bool MainCommands::availableWhileBusy(int id) {
    switch (id) {
    case ID_APP_ABOUT: case ID_HELP_CONTENT: case ID_APP_EXIT: case ID_CHECK_FTP_SERVER:
        return true;
    default:
        return false;
    }
}

void MainCommands::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        context_.shell.prompter.tell(e.what(), platform::MessageKind::Error);
    } catch (...) {
        context_.shell.prompter.tell(tr("Unrecognized exception error").toStdString(), platform::MessageKind::Error);
    }
}

}  // namespace app
