// Wakes a QObject's own thread from another: its event loop calls the named
// slot, which takes no arguments and fetches what waits for it under a lock
// of its own.
#pragma once

#include <QByteArray>
#include <QMetaObject>
#include <QObject>
#include <stdexcept>
#include <string>

namespace colmara {

// Throws std::logic_error unless `owner` has a slot or invokable method
// `slot` without arguments. Checked once where the owner is made, since
// the wake-up itself fails silently on a name that does not exist.
inline void RequireWakeSlot(const QObject& owner, const char* slot) {
    const QByteArray signature =
        QMetaObject::normalizedSignature((std::string(slot) + "()").c_str());
    if (owner.metaObject()->indexOfMethod(signature.constData()) < 0)
        throw std::logic_error(std::string(owner.metaObject()->className()) + " has no slot " +
                               signature.toStdString() + " to wake");
}

// The slot is named rather than given as a functor: a functor would be built
// on this thread and read on the owner's through Qt's event queue, a
// hand-over the thread sanitizer cannot follow, since Qt's locks are not
// instrumented. A named call is built and read inside Qt alone. The name
// was checked by RequireWakeSlot when the owner was made.
inline void WakeOnGuiThread(QObject* owner, const char* slot) {
    QMetaObject::invokeMethod(owner, slot, Qt::QueuedConnection);
}

}  // namespace colmara
