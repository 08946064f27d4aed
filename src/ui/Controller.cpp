#include "ui/Controller.h"

#include "ui/Binders.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include <algorithm>

namespace zorbel::ui {

Controller::Controller(Session& session, QObject* parent) : QObject(parent), session_(session) {
    // aboutToBlock comes once per turn of the event loop, when it has run out of work.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &Controller::refresh);
}

void Controller::forward(const std::function<void()>& action) {
    session_.runCommand(action);
    refresh();
    emit forwarded();
}

void Controller::refresh() {
    if (refreshing_)
        return;
    refreshing_ = true;
    const bool busy = session_.batchRunning;
    const bool busyChanged = busy != busyShown_;
    busyShown_ = busy;
    // A window may close (and detach) while the others redraw: walk a copy.
    const std::vector<Binding*> bindings = bindings_;
    for (Binding* binding : bindings) {
        binding->refresh();
        if (busyChanged)
            binding->setBusy(busy);
    }
    refreshing_ = false;
    emit refreshed();
}

void Controller::attach(Binding& binding) {
    bindings_.push_back(&binding);
    binding.setBusy(busyShown_);
}

void Controller::detach(Binding& binding) {
    std::erase(bindings_, &binding);
}

} // namespace zorbel::ui
