// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QStringList>

#include <deque>
#include <functional>

#include <QWidget>

namespace terravia::test {

// The window's control of that name, which must be there.
template <typename T> T* Control(QWidget& window, const char* name) {
    T* control = window.findChild<T*>(QLatin1StringView(name));
    if (control == nullptr)
        qFatal("no control %s", name);
    return control;
}

// Answers real modal windows from inside their own event loops: on the Show event of a
// modal window it queues the next action, which then runs inside that window's exec(). An
// action that leaves its window open, or a modal window with no action left, is recorded
// as a failure and the window is closed, so that a fault fails the test instead of hanging it.
class ModalDriver : public QObject {
    Q_OBJECT

public:
    using Action = std::function<void(QWidget* window)>;

    ModalDriver();
    ~ModalDriver() override;

    void then(Action action) { actions_.push_back(std::move(action)); }
    // Records a failure from inside an action (a failed QVERIFY there would only return).
    void fail(const QString& why) { failures_.append(why); }

    QStringList failures() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void act(QWidget* window);

    std::deque<Action> actions_;
    QStringList failures_;
};

} // namespace terravia::test
