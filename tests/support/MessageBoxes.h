#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <functional>

// Runs `action`, which may open a modal message box, and returns the box's
// text after closing it; empty when no box appeared.
inline QString MessageFrom(const std::function<void()>& action) {
    QString text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->done(0);
        }
    });
    poll.start(10);
    action();
    return text;
}
