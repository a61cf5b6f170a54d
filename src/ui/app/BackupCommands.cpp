#include "ui/app/BackupCommands.h"

#include <QDir>
#include <QObject>
#include <QSaveFile>

#include <ctime>
#include <filesystem>

#include "db/Backup.h"
#include "db/DataSource.h"
#include "farm/CsvExport.h"
#include "reports/PeriodCsv.h"
#include "platform/SettingsBackend.h"
#include "ui/app/CFishesView.h"
#include "ui/app/Commands.h"
#include "ui/common/FileChoice.h"
#include "ui/common/WaitCursor.h"

namespace app {

namespace fs = std::filesystem;

namespace {

std::string s(const QString& text) { return text.toStdString(); }

QString backupFilter() { return QObject::tr("Reed Mere backups (*%1)").arg(db::kBackupExtension); }

// Backups are copies of the embedded file; a data source of the user's is
// backed up with its own engine's tools.
bool embeddedOrSay(MainContext& ctx, const db::DataSourceChoice& source) {
    if (source.embedded) return true;
    ctx.shell.prompter.tell(s(QObject::tr("Backup and restore work on the embedded database file only.\n"
                                          "They are not available for the data source %1: use the tools of "
                                          "its database engine.")
                                  .arg(QString::fromStdString(source.name))),
                            platform::MessageKind::Information);
    return false;
}

std::string settingsFile() { return platform::SettingsBackend().fileName(); }

void backUp(MainContext& ctx) {
    const db::DataSourceChoice source = db::chooseDataSource();
    if (!embeddedOrSay(ctx, source)) return;
    const std::time_t now = std::time(nullptr);
    ui::FileRequest request{ui::FileMode::Save, QObject::tr("Back up"),
                            QDir::home().filePath(QString::fromStdString(db::defaultBackupName(now))), backupFilter()};
    auto chosen = ui::chooseFile(ctx.view.window(), request);
    if (!chosen) return;
    fs::path file = *chosen;
    if (file.extension().empty()) file += db::kBackupExtension;
    {
        // The backup carries the settings as they are now, not as they were at start-up.
        platform::SettingsBackend store;
        ctx.shell.settings.save(store);
    }
    {
        ui::WaitCursor waiting;
        db::writeBackup(*ctx.shell.doc.db, file, settingsFile(), now);
    }
    ctx.view.line(
        s(QObject::tr("The database and the settings were saved in %1").arg(QString::fromStdString(file.string()))));
}

// The restored settings replace the current ones, except what belongs to
// this machine and this run: the work directory and the current taxon.
void applySettings(core::Settings& settings, const std::string& text) {
    const std::string workDir = settings.Application_path;
    const std::string pictureFolder = settings.pictureStartFolder;
    const int taxon = settings.currentTaxon;
    platform::SettingsBackend store;
    QSaveFile out(QString::fromStdString(store.fileName()));
    if (!out.open(QIODevice::WriteOnly)) return;
    out.write(text.data(), static_cast<qint64>(text.size()));
    if (!out.commit()) return;
    store.sync();
    settings.load(store);
    settings.Application_path = workDir;
    settings.pictureStartFolder = pictureFolder;
    settings.currentTaxon = taxon;
}

void restore(MainContext& ctx) {
    const db::DataSourceChoice source = db::chooseDataSource();
    if (!embeddedOrSay(ctx, source)) return;
    ui::FileRequest request{ui::FileMode::Open, QObject::tr("Restore"), QDir::homePath(), backupFilter()};
    auto chosen = ui::chooseFile(ctx.view.window(), request);
    if (!chosen) return;
    if (!platform::confirmed(ctx.shell.prompter)) return;
    db::RestoreResult result;
    {
        ui::WaitCursor waiting;
        result = db::restoreBackup(ctx.shell.doc, source, *chosen, std::time(nullptr));
    }
    if (!result.restored) {
        ctx.shell.prompter.tell(result.message, platform::MessageKind::Error);
        return;
    }
    if (result.settingsText) applySettings(ctx.shell.settings, *result.settingsText);
    ctx.view.refill(CFishesView::Refill::Full);
    emit ctx.view.refreshRequested();
    emit ctx.view.classMenuChanged();
    ctx.view.line(result.message);
    ctx.shell.prompter.tell(result.message, platform::MessageKind::Information);
}

void switchWeeklyBackup(MainContext& ctx) {
    core::Settings& settings = ctx.shell.settings;
    const QString state = settings.Weekly_backup ? QObject::tr("on") : QObject::tr("off");
    platform::Answer a =
        ctx.shell.prompter.ask(s(QObject::tr("Weekly backups into the data folder are %1 (the last %2 are kept).\n"
                                             "Back up the database once a week?")
                                     .arg(state)
                                     .arg(db::kWeeklyBackupsKept)));
    settings.Weekly_backup = a == platform::Answer::Yes ? 1 : 0;
}

// When the commands are made: before any dialog or job can use the
// connection, and with nothing left pending that could outlive the window.
void weeklyBackupAtStart(MainContext& ctx) {
    if (!ctx.shell.settings.Weekly_backup || !ctx.shell.doc.db) return;
    const db::DataSourceChoice source = db::chooseDataSource();
    if (!source.embedded) return;
    try {
        db::weeklyBackupIfDue(*ctx.shell.doc.db, source.file.parent_path(), settingsFile(), std::time(nullptr));
    } catch (const std::exception& e) {
        ctx.shell.prompter.tell(
            s(QObject::tr("The weekly backup could not be written: %1").arg(QString::fromUtf8(e.what()))),
            platform::MessageKind::Error);
    }
}

std::optional<std::string> chooseCsv(MainContext& ctx, const QString& title, const std::string& name) {
    ui::FileRequest request{ui::FileMode::Save, title, QDir::home().filePath(QString::fromStdString(name)),
                            QObject::tr("Spreadsheet files (*.csv)")};
    return ui::chooseFile(ctx.view.window(), request);
}

void exported(MainContext& ctx, std::size_t rows, const std::string& file) {
    ctx.view.line(s(QObject::tr("%1 rows written to %2").arg(rows).arg(QString::fromStdString(file))));
}

void exportLots(MainContext& ctx) {
    auto file = chooseCsv(ctx, QObject::tr("Export lots"), "lots.csv");
    if (!file) return;
    ui::WaitCursor waiting;
    exported(ctx, farm::exportLots(ctx.shell.doc, ctx.shell.settings.Empty_tank, *file), *file);
}

void exportExpenses(MainContext& ctx) {
    auto file = chooseCsv(ctx, QObject::tr("Export expenses of the period"), "expenses.csv");
    if (!file) return;
    const farm::BalancePeriod period =
        farm::balancePeriod(ctx.shell.settings.Balance_from, ctx.view.fromDate(), ctx.view.toDate());
    exported(ctx, farm::exportExpenses(ctx.shell.doc, period, *file), *file);
}

void exportPeriod(MainContext& ctx) {
    auto file = chooseCsv(ctx, QObject::tr("Export business report"), "period.csv");
    if (!file) return;
    ui::WaitCursor waiting;
    const reports::ReportContext context =
        reports::reportContext(ctx.shell.doc, ctx.shell.settings, ctx.shell.prompter);
    exported(ctx, reports::exportPeriodTable(context, ctx.shell.settings.Archiv_fish_from, *file), *file);
}

}  // namespace

void addBackupCommands(CommandMap& map, MainContext& ctx) {
    map[ID_BACK_UP] = [&ctx] { backUp(ctx); };
    map[ID_RESTORE] = [&ctx] { restore(ctx); };
    map[ID_WEEKLY_BACKUP] = [&ctx] { switchWeeklyBackup(ctx); };
    map[ID_EXPORT_LOTS] = [&ctx] { exportLots(ctx); };
    map[ID_EXPORT_EXPENSES] = [&ctx] { exportExpenses(ctx); };
    map[ID_EXPORT_PERIOD] = [&ctx] { exportPeriod(ctx); };
    weeklyBackupAtStart(ctx);
}

}  // namespace app
