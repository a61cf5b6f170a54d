#include "ui/common/FileChoice.h"

#include <QFileDialog>

namespace ui {

namespace {

std::optional<std::string> desktopChooser(QWidget* parent, const FileRequest& r) {
    QString path = r.mode == FileMode::Save ? QFileDialog::getSaveFileName(parent, r.title, r.proposal, r.filter)
                                            : QFileDialog::getOpenFileName(parent, r.title, r.proposal, r.filter);
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

FileChooser& current() {
    static FileChooser chooser = desktopChooser;
    return chooser;
}

}  // namespace

std::optional<std::string> chooseFile(QWidget* parent, const FileRequest& request) {
    return current()(parent, request);
}

FileChooser replaceFileChooser(FileChooser chooser) {
    FileChooser old = std::move(current());
    current() = chooser ? std::move(chooser) : FileChooser(desktopChooser);
    return old;
}

}  // namespace ui
