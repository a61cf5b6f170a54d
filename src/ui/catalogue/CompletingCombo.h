// An editable combo box whose typing completes to the first entry that
// begins with the typed text, or clears the text when none does. While the
// user is typing, Enter chooses the completed entry and stays in the box.
#pragma once

#include <QComboBox>
#include <QStringList>

class QStringListModel;

class CompletingCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CompletingCombo(QWidget* parent = nullptr);
    // Replaces every entry; the selection is cleared.
    void setEntries(const QStringList& entries);
    QStringList entries() const;
    // The text differs from the chosen entry or part of it is selected.
    bool typing() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void complete(const QString& typed);
    void chooseTyped();

    QStringListModel* model_;
    bool erasing_ = false;
};
