// The main window's commands: every menu command and panel button by its
// number, each run under one guard (a database error becomes a message and
// the program goes on), and the one background job of the main window,
// while which the commands that read the shared record objects are
// unavailable. The handlers live in one module per menu.
#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <memory>

#include "platform/BackgroundWork.h"
#include "ui/app/ShellContext.h"
#include "ui/app/ViewUploadLog.h"

class CFishesView;
class QWidget;

namespace publish {
class FtpUpload;
}

namespace app {

// What every handler works with.
struct MainContext {
    ShellContext shell;
    CFishesView& view;
    platform::BackgroundWork& work;
    publish::FtpUpload* upload = nullptr;  // the job of "Check FTP-server"
};

using CommandMap = std::map<int, std::function<void()>>;

// One per menu; each adds its commands (and the panel buttons it serves).
void addCatalogsCommands(CommandMap& map, MainContext& ctx);
void addFarmCommands(CommandMap& map, MainContext& ctx);
void addReportCommands(CommandMap& map, MainContext& ctx);
void addSettingsCommands(CommandMap& map, MainContext& ctx);
void addServiceCommands(CommandMap& map, MainContext& ctx);
void addDataSourceCommands(CommandMap& map, MainContext& ctx);

// Class entry n (from 1) of the Catalogs menu.
void openClassCatalogue(MainContext& ctx, int n);
// A double click on row n of the balance list.
void activateBalanceRow(MainContext& ctx, int row);

// Made after the view and destroyed before it: a running job writes to its log.
class MainCommands : public QObject {
    Q_OBJECT
public:
    MainCommands(const ShellContext& shell, CFishesView& view);
    ~MainCommands() override;

    // Runs a command, a class entry or a panel button; unknown numbers do nothing.
    void run(int id);
    bool has(int id) const { return map_.count(id) != 0; }
    // Commands that stay available while a job runs: they read no record object.
    static bool availableWhileBusy(int id);

    platform::BackgroundWork& work() { return work_; }
    MainContext& context() { return context_; }
    publish::FtpUpload& upload() { return *upload_; }

signals:
    void busyChanged(bool busy);

private:
    void guarded(const std::function<void()>& handler);

    platform::BackgroundWork work_;
    MainContext context_;
    // After the work, so the upload stops its walk while the work still exists.
    ViewUploadLog uploadLog_;
    std::unique_ptr<publish::FtpUpload> upload_;
    CommandMap map_;
};

}  // namespace app
