// The main window: the menu bar with every command of the program, the
// status bar with each command's prompt, and the main view.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <vector>

#include "catalogue/CatalogMenu.h"
#include "ui/app/Commands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/ShellContext.h"

class CFishesView;
class QAction;
class QIcon;
class QLabel;
class QMenu;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(const app::ShellContext& shell, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CFishesView* view() const { return view_; }
    app::MainCommands& commands() { return *mainCommands_; }
    // The menu entry of a command number (class entries included); null when absent.
    QAction* command(int id) const;
    QMenu* catalogsMenu() const { return catalogs_; }
    // The class entries of the Catalogs menu, in order.
    const std::vector<QAction*>& classEntries() const { return classEntries_; }
    // Ctrl+F: the fishes catalogue, to find a taxon there.
    QAction* findInCatalogue() const { return findInCatalogue_; }
    // The program's icon, drawn in the 48 and 256 pixel sizes.
    static QIcon programIcon();

public slots:
    // Check marks, menu texts (class entries included) and the view's captions.
    void refresh();
    // Reads the classes marked for the menu again and rebuilds their entries.
    void reloadClassEntries();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    // A running job is asked to stop and waited for before the window goes.
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenus();
    void buildStatusBar();
    void connectCommands();
    QAction* addCommand(QMenu* menu, int id, bool checkable = false);
    QMenu* addPopup(QMenu* parent, app::PopupId popup);
    void rebuildClassEntries();
    void refreshCheckMarks();
    void refreshMenuTexts();
    void setCommandText(int id);
    // While a job runs only the commands that read no record object stay available.
    void setBusy(bool busy);
    void updateLockIndicators();

    app::ShellContext shell_;
    CFishesView* view_ = nullptr;
    std::unique_ptr<app::MainCommands> mainCommands_;
    std::map<int, QAction*> commands_;
    std::map<QMenu*, int> tableTitles_;             // menus titled by a string-table entry
    std::map<QMenu*, app::PopupId> popupTitles_;    // the other sub-menus
    QMenu* catalogs_ = nullptr;
    QAction* classSeparator_ = nullptr;             // the class entries stand before it
    std::vector<catalogue::MenuClass> classes_;
    std::vector<QAction*> classEntries_;
    QAction* findInCatalogue_ = nullptr;            // Ctrl+F, no menu entry
    QLabel* ready_ = nullptr;
    QLabel* indicators_[3] = {};
    bool locks_[3] = {};
};
