#pragma once
// The link between the session and the widgets that draw it. Every user action goes
// through forward(), which runs it as a command of the session and then redraws what
// changed; the event loop redraws as well each time it is about to wait, so changes
// made during a modal dialog or a batch run's yields reach the screen too.

#include "app/Session.h"

#include <QObject>

#include <functional>
#include <vector>

namespace zorbel::ui {

class Binding;

class Controller : public QObject {
    Q_OBJECT
public:
    explicit Controller(Session& session, QObject* parent = nullptr);
    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    Session& session() const { return session_; }

    /// Runs a user's action as a command (refused while a batch run yields), then
    /// redraws.
    void forward(const std::function<void()>& action);

    /// Redraws the widgets whose elements changed and applies the batch guard: while a
    /// batch run is going, the inputs of every window are disabled.
    void refresh();
    /// True when a batch run began or ended since the last refresh.
    bool busyChangePending() const { return session_.batchRunning != busyShown_; }

    void attach(Binding& binding);
    void detach(Binding& binding);

signals:
    /// After every refresh: windows that close themselves on a model flag look here.
    void refreshed();
    /// After each user's action, once it has been redrawn.
    void forwarded();

private:
    Session& session_;
    std::vector<Binding*> bindings_;
    bool busyShown_ = false;
    bool refreshing_ = false;
};

} // namespace zorbel::ui
