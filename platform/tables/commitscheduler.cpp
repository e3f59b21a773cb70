#include "commitscheduler.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>
#include <QtDebug>
#include <algorithm>
#include <vector>

#include "sharedfile.h"
#include "tableerror.h"

namespace tables::commitscheduler {

namespace {

struct State {
    std::vector<SharedFile*> pending;
    std::function<void(const TableError&)> onError;
    QAbstractEventDispatcher* hooked = nullptr;
    bool timerQueued = false;
};

State& state() {
    static State s;
    return s;
}

void commitFromEventLoop() {
    try {
        commitAll();
    } catch (const TableError& error) {
        if (state().onError)
            state().onError(error);
        else
            qWarning("%s", qPrintable(error.message()));
    }
}

void hookEventLoop() {
    State& s = state();
    if (!QCoreApplication::instance()) return;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (dispatcher && dispatcher != s.hooked) {
        s.hooked = dispatcher;
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher,
                         &commitFromEventLoop);
        QObject::connect(dispatcher, &QObject::destroyed, [] { state().hooked = nullptr; });
    }
    // A loop kept busy by posted events may not block for a while; the zero timer still ends
    // the transaction once the running handler has returned.
    if (!s.timerQueued) {
        s.timerQueued = true;
        QTimer::singleShot(0, QCoreApplication::instance(), [] {
            state().timerQueued = false;
            commitFromEventLoop();
        });
    }
}

}  // namespace

void schedule(SharedFile* file) {
    State& s = state();
    if (std::find(s.pending.begin(), s.pending.end(), file) == s.pending.end())
        s.pending.push_back(file);
    hookEventLoop();
}

void forget(SharedFile* file) {
    auto& pending = state().pending;
    pending.erase(std::remove(pending.begin(), pending.end(), file), pending.end());
}

void commitAll() {
    // Commit one by one: a failing file stays pending, the others are committed.
    std::vector<SharedFile*> files;
    files.swap(state().pending);
    for (size_t i = 0; i < files.size(); ++i) {
        try {
            files[i]->commit();
        } catch (...) {
            for (size_t j = i; j < files.size(); ++j) schedule(files[j]);
            throw;
        }
    }
}

void setErrorHandler(std::function<void(const TableError&)> handler) {
    state().onError = std::move(handler);
}

}  // namespace tables::commitscheduler
