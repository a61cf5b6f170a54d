#include "ui/app/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStatusBar>

#include "ui/app/CFishesView.h"
#include "ui/app/PanelLayout.h"
#include "ui/common/Translation.h"
#include "core/InterfaceText.h"
#include "publish/FtpUpload.h"

using namespace app;

namespace {

// Entries that stay unavailable: nothing stands behind them.
const int kUnavailable[] = {ID_FISH_DETERMINER, ID_FISH_SEARCH_ON_REGIONS, ID_DEUTCH};

bool isUnavailable(int id) {
    for (int u : kUnavailable)
        if (u == id) return true;
    return false;
}

const char* const kReady = "Ready|Готово|";

const char* const kIndicatorNames[3] = {"CAP", "NUM", "SCRL"};

// The text without its mnemonic marks: "&&" stands for "&".
QString withoutMnemonic(const QString& text) {
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

// Marks one letter of each entry as its Alt key: the first letter of a word
// not yet taken in the same menu, else any such letter. The menus' texts come
// from the text table in either language, so the letters are chosen here.
void markMnemonics(const QList<QAction*>& actions) {
    QSet<QChar> used;
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        const QString plain = withoutMnemonic(a->text());
        int chosen = -1;
        for (int pass = 0; pass < 2 && chosen < 0; ++pass)
            for (int i = 0; i < plain.size() && chosen < 0; ++i) {
                const bool wordStart = i == 0 || !plain[i - 1].isLetterOrNumber();
                if (plain[i].isLetter() && (pass == 1 || wordStart) && !used.contains(plain[i].toLower())) chosen = i;
            }
        QString marked = plain;
        marked.replace(u'&', QStringLiteral("&&"));
        if (chosen >= 0) {
            used.insert(plain[chosen].toLower());
            marked.insert(chosen + plain.left(chosen).count(u'&'), u'&');
        }
        a->setText(marked);
        if (a->menu()) markMnemonics(a->menu()->actions());
    }
}

}  // namespace

CMainFrame::CMainFrame(const ShellContext& shell, QWidget* parent) : QMainWindow(parent), shell_(shell) {
    setWindowTitle(QString::fromStdString(core::interfaceText(core::kTextCaption, core::English)));
    // Every window of the program, dialogs included, carries its icon; the
    // desktop matches the window to the launcher entry by this name.
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.reedmere.reedmere"));
    buildMenus();
    buildStatusBar();
    view_ = new CFishesView(shell_, this);
    setCentralWidget(view_);
    mainCommands_ = std::make_unique<MainCommands>(shell_, *view_);
    connectCommands();
    connect(mainCommands_.get(), &MainCommands::busyChanged, this, &CMainFrame::setBusy);
    connect(&mainCommands_->upload(), &publish::FtpUpload::switched, this,
            [this](bool on) { commands_.at(ID_CHECK_FTP_SERVER)->setChecked(on); });
    connect(view_, &CFishesView::refreshRequested, this, &CMainFrame::refresh);
    connect(view_, &CFishesView::classMenuChanged, this, &CMainFrame::reloadClassEntries);
    resize(640, 400);

    view_->refill(CFishesView::Refill::Full);
    reloadClassEntries();
}

QIcon CMainFrame::programIcon() {
    QIcon icon;
    for (int size : {48, 256}) icon.addFile(QStringLiteral(":/icons/reedmere-%1.png").arg(size), QSize(size, size));
    return icon;
}

QAction* CMainFrame::addCommand(QMenu* menu, int id, bool checkable) {
    auto* action = new QAction(QString::fromStdString(commandText(id, shell_.settings.Default_language)), this);
    action->setData(id);
    action->setCheckable(checkable);
    if (menu) menu->addAction(action);
    commands_[id] = action;
    return action;
}

QMenu* CMainFrame::addPopup(QMenu* parent, PopupId popup) {
    QMenu* menu = parent->addMenu(QString::fromStdString(popupText(popup, shell_.settings.Default_language)));
    popupTitles_[menu] = popup;
    return menu;
}

void CMainFrame::buildMenus() {
    const int language = shell_.settings.Default_language;
    auto tableMenu = [&](int entry) {
        QMenu* menu = menuBar()->addMenu(QString::fromStdString(core::interfaceText(entry, language)));
        tableTitles_[menu] = entry;
        return menu;
    };

    catalogs_ = tableMenu(core::kTextCatalogs);
    addCommand(catalogs_, ID_HIGH_TAXONOMY);
    addCommand(catalogs_, ID_TAXONOMY_REPORT);
    catalogs_->addSeparator();
    classSeparator_ = catalogs_->addSeparator();
    addCommand(catalogs_, ID_CD_ROM, true);
    addCommand(catalogs_, ID_WWW_SERVER, true);

    QMenu* farm = tableMenu(core::kTextMyAquafarm);
    addCommand(farm, ID_MY_FISHES);
    addCommand(farm, ID_INCUBATOR);
    addCommand(farm, ID_TANKS);
    addCommand(farm, ID_PLAN_OF_SPAWNINGS);
    farm->addSeparator();
    addCommand(farm, ID_REPORT_ON_SPAWNINGS);
    addCommand(farm, ID_REPORT_ON_TANKS);
    addCommand(farm, ID_BUSINESS_REPORT);
    QMenu* search = farm->addMenu(QString::fromStdString(core::interfaceText(core::kTextSearchSpecies, language)));
    tableTitles_[search] = core::kTextSearchSpecies;
    addCommand(search, ID_ALL_SPECIES);
    addCommand(search, ID_SELECT_SPECIES);
    addCommand(search, ID_SPECIES_STATISTIC);
    farm->addSeparator();
    addCommand(farm, ID_PRICE_LIST);
    addCommand(farm, ID_REVIEW_PRICE_LIST);
    addCommand(farm, ID_PRICE_LIST_FOR_BULLETIN);
    addCommand(farm, ID_MAKE_BULLETIN);

    QMenu* service = tableMenu(core::kTextService);
    addCommand(service, ID_FISH_DETERMINER);
    addCommand(service, ID_FISH_SEARCH_ON_REGIONS);
    service->addSeparator();
    QMenu* settings = addPopup(service, POPUP_SETTINGS);
    QMenu* languages = addPopup(settings, POPUP_LANGUAGE);
    addCommand(languages, ID_ENGLISH, true);
    addCommand(languages, ID_RUSSIAN, true);
    addCommand(languages, ID_DEUTCH);
    QMenu* currencies = addPopup(settings, POPUP_CURRENCY);
    for (int id : {ID_USD, ID_EURO, ID_RUR, ID_UAH}) addCommand(currencies, id, true);
    settings->addSeparator();
    addCommand(settings, ID_FISHBREEDER_FARM);
    addCommand(settings, ID_WORK_DIRECTORIES);
    addCommand(settings, ID_DATE_FORMAT);
    addCommand(settings, ID_UNITS_OF_MEASUREMENT);
    addCommand(settings, ID_NAME_FOR_EMPTY_TANK);
    addCommand(settings, ID_CURRENCY_RATE);
    settings->addSeparator();
    addCommand(settings, ID_VIEW_FISHES, true);
    addCommand(settings, ID_VIEW_TANKS, true);
    addCommand(settings, ID_VIEW_OTHER, true);
    QMenu* databases = addPopup(service, POPUP_DATABASES);
    addCommand(databases, ID_CLEAR_DATABASE);
    addCommand(databases, ID_MAKE_UPGRADING_TABLE);
    addCommand(databases, ID_INITIALISE_DATA_SOURCE);
    addCommand(databases, ID_BACK_UP);
    addCommand(databases, ID_RESTORE);
    addCommand(databases, ID_WEEKLY_BACKUP);
    databases->addSeparator();
    addCommand(databases, ID_EXPORT_LOTS);
    addCommand(databases, ID_EXPORT_EXPENSES);
    addCommand(databases, ID_EXPORT_PERIOD);
    service->addSeparator();
    addCommand(service, ID_CHECK_FTP_SERVER, true);

    QMenu* help = menuBar()->addMenu(QString::fromStdString(popupText(POPUP_HELP, language)));
    popupTitles_[help] = POPUP_HELP;
    addCommand(help, ID_APP_ABOUT);
    addCommand(help, ID_HELP_CONTENT)->setShortcut(QKeySequence(Qt::Key_F1));

    menuBar()->addAction(addCommand(nullptr, ID_APP_EXIT));
    commands_.at(ID_APP_EXIT)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Finding a taxon starts in the fishes catalogue, as its panel button opens it.
    findInCatalogue_ = new QAction(this);
    findInCatalogue_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    findInCatalogue_->setShortcutContext(Qt::WindowShortcut);
    addAction(findInCatalogue_);

    for (int id : kUnavailable) commands_[id]->setEnabled(false);
    for (auto& [id, action] : commands_)
        action->setStatusTip(QString::fromStdString(commandPrompt(id, language)));
}

CMainFrame::~CMainFrame() { mainCommands_.reset(); }

void CMainFrame::closeEvent(QCloseEvent* e) {
    mainCommands_->work().requestStop();
    mainCommands_->work().wait();
    QMainWindow::closeEvent(e);
}

void CMainFrame::connectCommands() {
    for (auto& [id, action] : commands_) {
        if (id == ID_APP_EXIT) continue;
        connect(action, &QAction::triggered, this, [this, id = id] { mainCommands_->run(id); });
    }
    connect(commands_.at(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
    connect(findInCatalogue_, &QAction::triggered, this, [this] { mainCommands_->run(IDC_FISH_CATALOGUE); });
}

void CMainFrame::setBusy(bool busy) {
    for (auto& [id, action] : commands_)
        if (!MainCommands::availableWhileBusy(id)) action->setEnabled(!busy && !isUnavailable(id));
    for (QAction* a : classEntries_) a->setEnabled(!busy);
}

void CMainFrame::buildStatusBar() {
    QStatusBar* bar = statusBar();
    ready_ = new QLabel(bar);
    ready_->setObjectName(QStringLiteral("ready"));
    bar->addWidget(ready_, 1);
    for (int i = 0; i < 3; ++i) {
        indicators_[i] = new QLabel(QString::fromLatin1(kIndicatorNames[i]), bar);
        indicators_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        indicators_[i]->setAlignment(Qt::AlignCenter);
        indicators_[i]->setMinimumWidth(indicators_[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
        bar->addPermanentWidget(indicators_[i]);
    }
    updateLockIndicators();
    qApp->installEventFilter(this);
}

// The lock keys' states as the program has seen them pressed.
bool CMainFrame::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress && watched == QApplication::focusWidget()) {
        int key = static_cast<QKeyEvent*>(e)->key();
        int lock = key == Qt::Key_CapsLock ? 0 : key == Qt::Key_NumLock ? 1 : key == Qt::Key_ScrollLock ? 2 : -1;
        if (lock >= 0) {
            locks_[lock] = !locks_[lock];
            updateLockIndicators();
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void CMainFrame::updateLockIndicators() {
    for (int i = 0; i < 3; ++i) indicators_[i]->setEnabled(locks_[i]);
}

QAction* CMainFrame::command(int id) const {
    auto it = commands_.find(id);
    if (it != commands_.end()) return it->second;
    int n = id - kClassCommandFirst;
    return n >= 0 && n < static_cast<int>(classEntries_.size()) ? classEntries_[n] : nullptr;
}

void CMainFrame::reloadClassEntries() {
    classes_ = catalogue::menuClasses(shell_.doc);
    rebuildClassEntries();
    refresh();
}

void CMainFrame::rebuildClassEntries() {
    // An entry may be the one whose command is running: let it go later.
    for (QAction* a : classEntries_) {
        catalogs_->removeAction(a);
        a->deleteLater();
    }
    classEntries_.clear();
    const int language = shell_.settings.Default_language;
    for (std::size_t i = 0; i < classes_.size(); ++i) {
        int n = static_cast<int>(i) + 1;
        auto* action = new QAction(QString::fromStdString(classes_[i].label(language)), this);
        action->setData(classCommand(n));
        action->setStatusTip(QString::fromStdString(
            core::pick("Open the catalogue of the class|Открыть каталог класса|", language) + " " + classes_[i].latName));
        connect(action, &QAction::triggered, this, [this, n] { mainCommands_->run(classCommand(n)); });
        action->setEnabled(!mainCommands_->work().busy());
        catalogs_->insertAction(classSeparator_, action);
        classEntries_.push_back(action);
    }
}

void CMainFrame::refresh() {
    commands_.at(ID_CHECK_FTP_SERVER)->setEnabled(true);
    commands_.at(ID_CHECK_FTP_SERVER)->setChecked(mainCommands_->upload().on());
    refreshCheckMarks();
    refreshMenuTexts();
    view_->refreshCaptions();
}

void CMainFrame::refreshCheckMarks() {
    const core::Settings& s = shell_.settings;
    commands_.at(ID_VIEW_FISHES)->setChecked(s.Fishview != 0);
    commands_.at(ID_VIEW_TANKS)->setChecked(s.Tankview != 0);
    commands_.at(ID_VIEW_OTHER)->setChecked(s.Otherview != 0);
    commands_.at(ID_CD_ROM)->setChecked(s.CD != 0);
    commands_.at(ID_WWW_SERVER)->setChecked(s.WWW != 0);
    commands_.at(ID_ENGLISH)->setChecked(s.Default_language == core::English);
    commands_.at(ID_RUSSIAN)->setChecked(s.Default_language == core::Russian);
    const int currencies[] = {ID_USD, ID_EURO, ID_RUR, ID_UAH};
    for (int c = 0; c < 4; ++c) commands_.at(currencies[c])->setChecked(s.Default_currency == c);
}

void CMainFrame::setCommandText(int id) {
    QAction* a = commands_.at(id);
    const int language = shell_.settings.Default_language;
    a->setText(QString::fromStdString(commandText(id, language)));
    a->setStatusTip(QString::fromStdString(commandPrompt(id, language)));
}

void CMainFrame::refreshMenuTexts() {
    const int language = shell_.settings.Default_language;
    ui::followInterfaceLanguage(language);
    for (auto& [menu, entry] : tableTitles_) menu->setTitle(QString::fromStdString(core::interfaceText(entry, language)));
    for (auto& [menu, popup] : popupTitles_) menu->setTitle(QString::fromStdString(popupText(popup, language)));
    for (std::size_t i = 0; i < classEntries_.size(); ++i)
        classEntries_[i]->setText(QString::fromStdString(classes_[i].label(language)));
    for (auto& [id, action] : commands_) setCommandText(id);
    ready_->setText(QString::fromStdString(core::pick(kReady, language)));
    markMnemonics(menuBar()->actions());
    menuBar()->update();
}
