// The main window: menu bar, status bar and the main view.
#pragma once

#include <QMainWindow>

class CFishesApp;
class CFishesView;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CFishesApp& app);
    CFishesView* view() const { return view_; }

private:
    CFishesApp& app_;
    CFishesView* view_;
};
