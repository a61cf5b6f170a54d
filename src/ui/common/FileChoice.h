// Asking the user for a file to write or to read. The program asks through
// the desktop's file dialog; a test replaces the chooser with its answers.
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace ui {

enum class FileMode { Save, Open };

struct FileRequest {
    FileMode mode = FileMode::Save;
    QString title;
    QString proposal;  // a full path, or a folder for Open
    QString filter;    // "Backups (*.rmbackup)"
};

// The chosen path; nothing when the user cancelled.
using FileChooser = std::function<std::optional<std::string>(QWidget* parent, const FileRequest& request)>;

// The chooser every command uses; replacing it returns the one it replaced.
std::optional<std::string> chooseFile(QWidget* parent, const FileRequest& request);
FileChooser replaceFileChooser(FileChooser chooser);

}  // namespace ui
