// Answers a modal dialog that the code under test opens with exec(): polls for
// a visible modal widget of the expected type and acts on it. Past the time
// limit whatever modal dialog is open is rejected, so a broken test fails
// instead of hanging.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>

namespace brisalta::test {

template <typename Dialog>
void whenModal(std::function<void(Dialog*)> act, int limitMs = 5000) {
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act, limitMs] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(dialog); // may open the next modal dialog itself
            return;
        }
        if (clock->elapsed() > limitMs) {
            timer->stop();
            timer->deleteLater();
            if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                open->reject();
            }
        }
    });
    timer->start();
}

} // namespace brisalta::test
