// For widget tests: the access keys (Alt+letter) of what a window shows at
// once, gathered the way Qt assigns them: buttons and group boxes by their
// text, labels by their text when they have a buddy, tabs by their caption.
#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

namespace tsl::test {

// Each access key shown in window (visible widgets only), with the captions
// that carry it.
inline QMap<QString, QStringList> accessKeys(QWidget* window)
{
    QMap<QString, QStringList> keys;
    auto add = [&keys](const QString& caption) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty())
            keys[key.toString()] << caption;
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(button->text());
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            add(box->title());
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            add(label->text());
        else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        }
    }
    return keys;
}

// The access keys of window that more than one caption carries, as
// "Alt+P: S&plit, A&ppend" lines; empty when every key is unique.
inline QStringList sharedAccessKeys(QWidget* window)
{
    QStringList shared;
    const QMap<QString, QStringList> keys = accessKeys(window);
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        if (it.value().size() > 1)
            shared << it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
    }
    return shared;
}

}  // namespace tsl::test
