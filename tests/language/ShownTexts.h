// What a window shows as its own text (title, labels, buttons, group and tab
// titles, the entries of its buttons' menus), and the words of it that are
// still English.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTabWidget>
#include <QTextDocument>
#include <QWidget>

namespace languagetest {

// Collects every text the window shows now, and on each of its tab pages.
inline QStringList shownTexts(QWidget* window) {
    QStringList out{window->windowTitle()};
    auto collect = [&] {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window)) continue;
            if (auto* label = qobject_cast<QLabel*>(w)) {
                QTextDocument plain;
                plain.setHtml(label->text());
                out << (Qt::mightBeRichText(label->text()) ? plain.toPlainText() : label->text());
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                out << button->text();
                if (auto* push = qobject_cast<QPushButton*>(w); push && push->menu())
                    for (QAction* a : push->menu()->actions()) out << a->text();
            } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
                out << group->title();
            } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
                for (int i = 0; i < tabs->count(); ++i) out << tabs->tabText(i);
            }
        }
    };
    collect();
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            collect();
        }
        tabs->setCurrentIndex(current);
    }
    out.removeDuplicates();
    return out;
}

// The entries of the combo boxes the window fills itself (not with data).
inline QStringList comboTexts(QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
    return out;
}

// Words of two or more Latin letters that are neither allowed (units,
// abbreviations, Latin names of the data) nor part of a web address.
inline QStringList englishWords(const QStringList& texts, const QSet<QString>& allowed) {
    static const QSet<QString> common = {"pH", "dGh", "dKh", "gH", "kH", "CD", "WWW", "FTP", "http", "ftp",
                                         "USD", "htm", "bmp", "gif", "jpg", "mm", "F", "FJ", "J", "JA", "A"};
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList out;
    for (const QString& text : texts) {
        QString shown = text;
        shown.remove(u'&');
        for (auto it = word.globalMatch(shown); it.hasNext();) {
            const QString w = it.next().captured();
            if (!common.contains(w) && !allowed.contains(w)) out << w + " (in \"" + text + "\")";
        }
    }
    return out;
}

}  // namespace languagetest
