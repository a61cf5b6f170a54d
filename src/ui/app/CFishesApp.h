// The application object: owns the settings, the document and the main
// window for the whole run; start-up and shutdown.
#pragma once

#include <memory>

#include "ui/app/MessageBoxPrompter.h"
#include "core/Settings.h"
#include "db/CFishesDoc.h"
#include "db/InstanceLock.h"
#include "platform/SettingsBackend.h"

class CSplash;
class CMainFrame;

class CFishesApp {
public:
    CFishesApp();
    ~CFishesApp();

    // Runs the start-up steps; false ends the program (the reason was shown).
    bool InitInstance();
    // Writes every setting back.
    void ExitInstance();

    core::Settings& settings() { return settings_; }
    db::CFishesDoc& document() { return doc_; }
    CMainFrame* mainFrame() { return frame_.get(); }
    platform::Prompter& prompter() { return prompter_; }
    void closeSplash();

private:
    db::InstanceLock instanceLock_;  // held until the program ends
    platform::SettingsBackend store_;
    core::Settings settings_;
    db::CFishesDoc doc_;
    MessageBoxPrompter prompter_;
    std::unique_ptr<CSplash> splash_;
    std::unique_ptr<CMainFrame> frame_;
};
