// For widget tests: act on the next modal dialog or message box as soon as
// it is up. The dialog's own event loop runs the check every few
// milliseconds; a test fails when none comes up within five seconds.
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <type_traits>

namespace tsl::test {

template <typename W = QWidget>
void whenModal(std::type_identity_t<std::function<void(W*)>> act)
{
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, act] {
        auto* modal = qobject_cast<W*>(QApplication::activeModalWidget());
        if (modal || ++*tries == 500) {
            poll->deleteLater();
            poll->stop();
            if (modal)
                act(modal);
            else
                ADD_FAILURE() << "no modal dialog came up";
        }
    });
    poll->start(10);
}

}  // namespace tsl::test
