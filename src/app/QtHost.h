#pragma once
// The application's Host: queued calls run on the Qt UI thread.
#include <QObject>

#include "Host.h"

namespace twinsweep {

class QtHost : public Host {
public:
    // Must be created on the UI thread, after the QApplication.
    QtHost();
    void processMessages() override;
    void synchronize(const std::function<void()>& fn) override;

private:
    QObject receiver_; // lives on the UI thread; queued calls run in its context
};

} // namespace twinsweep
