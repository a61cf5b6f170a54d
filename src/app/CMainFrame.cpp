#include "app/CMainFrame.h"

#include <QMenuBar>
#include <QStatusBar>

#include "app/AppText.h"
#include "app/CFishesApp.h"
#include "app/CFishesView.h"

CMainFrame::CMainFrame(CFishesApp& app) : app_(app) {
    setWindowTitle(QString::fromStdString(app::kCaption));
    view_ = new CFishesView(app_, this);
    setCentralWidget(view_);
    menuBar()->addAction(QStringLiteral("Exit"), this, &QWidget::close);
    statusBar()->showMessage(QStringLiteral("Ready"));
    resize(640, 400);
}
