#include "QtHost.h"

#include <QCoreApplication>
#include <QThread>
#include <exception>

namespace twinsweep {

QtHost::QtHost() = default;

void QtHost::processMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtHost::synchronize(const std::function<void()>& fn) {
    if (QThread::currentThread() == receiver_.thread()) {
        fn();
        return;
    }
    std::exception_ptr error;
    QMetaObject::invokeMethod(
        &receiver_,
        [&] {
            try {
                fn();
            } catch (...) {
                error = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (error)
        std::rethrow_exception(error);
}

} // namespace twinsweep
