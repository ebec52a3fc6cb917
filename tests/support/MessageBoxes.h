#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// Runs `action` and closes every modal message box it opens; returns their
// texts in the order shown.
inline QStringList MessagesFrom(const std::function<void()>& action) {
    QStringList texts;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts << box->text();
            box->done(0);
        }
    });
    poll.start(5);
    action();
    return texts;
}

// The text of the last message box `action` opened; empty when none appeared.
inline QString MessageFrom(const std::function<void()>& action) {
    const QStringList texts = MessagesFrom(action);
    return texts.isEmpty() ? QString() : texts.last();
}
