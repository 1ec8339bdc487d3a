// Wakes a QObject's own thread from another: its event loop calls the named
// slot, which takes no arguments and fetches what waits for it under a lock
// of its own.
#pragma once

#include <QMetaObject>
#include <QObject>

namespace colmara {

// The slot is named rather than given as a functor: a functor would be built
// on this thread and read on the owner's through Qt's event queue, a
// hand-over the thread sanitizer cannot follow, since Qt's locks are not
// instrumented. A named call is built and read inside Qt alone.
inline void WakeOnGuiThread(QObject* owner, const char* slot) {
    [[maybe_unused]] const bool posted =
        QMetaObject::invokeMethod(owner, slot, Qt::QueuedConnection);
    Q_ASSERT(posted);
}

}  // namespace colmara
