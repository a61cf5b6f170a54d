// An editable combo box whose typing completes to the first entry that
// begins with the typed text, or clears the text when none does.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void complete(const QString& typed);

    QStringListModel* model_;
    bool erasing_ = false;
};
