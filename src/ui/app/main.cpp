// Reed Mere: a catalogue of aquarium animals and plants and a fish-farm manager.
#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <sys/socket.h>
#include <unistd.h>

#include "ui/app/CFishesApp.h"
#include "ui/app/CMainFrame.h"

namespace {

int signalPipe[2];
// Until the event loop runs nothing reads the pipe, and start-up has no
// settings to save yet: a signal then ends the program at once.
volatile std::sig_atomic_t started = 0;

void onSignal(int sig) {
    if (!started) _exit(128 + sig);
    char c = 1;
    [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &c, 1);
}

// SIGTERM and SIGINT close the main window as the Exit command does, so the
// settings are written on the way out.
void closeOnSignals(CFishesApp& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [&app]() {
        char c;
        [[maybe_unused]] ssize_t n = ::read(signalPipe[0], &c, 1);
        // Closing every window also ends a modal message box of a failed start-up.
        QApplication::closeAllWindows();
        if (app.mainFrame()) app.mainFrame()->close();
        QApplication::exit(0);
    });
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}

// With TZ unset glibc looks at /etc/localtime on every local-time conversion,
// and every date read from the database is one; naming the zone file once
// keeps the same zone (daylight saving included) without the look-ups.
void nameTimeZoneOnce() {
    if (!std::getenv("TZ")) setenv("TZ", ":/etc/localtime", 0);
    tzset();
}

}  // namespace

int main(int argc, char** argv) {
    nameTimeZoneOnce();
    QApplication qt(argc, argv);
    CFishesApp app;
    closeOnSignals(app);
    if (!app.InitInstance()) return 1;
    started = 1;
    int rc = QApplication::exec();
    app.ExitInstance();
    return rc;
}
