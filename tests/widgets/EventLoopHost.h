#pragma once
// Hands calls from a worker thread to the application's thread, as the program does.
#include <QCoreApplication>

#include "Host.h"

namespace twinsweep {

struct EventLoopHost : Host {
    void processMessages() override { QCoreApplication::processEvents(); }
    void synchronize(const std::function<void()>& fn) override {
        QMetaObject::invokeMethod(QCoreApplication::instance(), fn, Qt::BlockingQueuedConnection);
    }
};

} // namespace twinsweep
