#include "ui/app/CFishesApp.h"

#include <QApplication>
#include <QScreen>

#include "ui/app/CMainFrame.h"
#include "ui/app/CSplash.h"
#include "ui/common/Translation.h"
#include "site/SiteSkeleton.h"

CFishesApp::CFishesApp() = default;
CFishesApp::~CFishesApp() {
    frame_.reset();
    splash_.reset();
}

bool CFishesApp::InitInstance() {
    settings_.load(store_);
    ui::followInterfaceLanguage(settings_.Default_language);
    splash_ = std::make_unique<CSplash>();
    splash_->show();
    splash_->setText(QCoreApplication::translate("CFishesApp", "Load settings...").toStdString());
    auto say = [this](const std::string& text) { splash_->setText(text); };

    db::DataSourceChoice source = db::chooseDataSource();
    std::string heldBy;
    if (!instanceLock_.take(db::instanceLockFile(source), heldBy)) {
        splash_.reset();
        prompter_.tell(db::alreadyRunningMessage(source.name, heldBy), platform::MessageKind::Error);
        return false;
    }
    try {
        doc_.create(source, say);
    } catch (const std::exception& e) {
        splash_.reset();
        prompter_.tell(QCoreApplication::translate("CFishesApp", "Failed to create empty document.").toStdString() + "\n" + e.what(), platform::MessageKind::Error);
        // A new, empty data source of the user's may be made ready here (after the question).
        if (db::isEmptyUserDataSource(source)) db::initialiseUserDataSource(prompter_);
        return false;
    }
    site::checkDirectories(settings_, doc_, say);
    site::copySiteSkeleton(db::shippedDataDir() / "site", settings_.Application_path);
    splash_->setText(QCoreApplication::translate("CFishesApp", "Read commercial data...").toStdString());

    frame_ = std::make_unique<CMainFrame>(
        app::ShellContext{settings_, doc_, prompter_, say, [this] { closeSplash(); }});
    prompter_.setParent(frame_.get());
    if (QScreen* s = QApplication::primaryScreen())
        frame_->move(s->availableGeometry().center() - frame_->rect().center());
    frame_->show();
    frame_->repaint();
    splash_->raise();  // stays in front until the view's first timer tick
    return true;
}

void CFishesApp::closeSplash() { splash_.reset(); }

void CFishesApp::ExitInstance() {
    settings_.save(store_);
}
