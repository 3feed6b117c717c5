#include "AppHooks.h"

#include <atomic>
#include <iostream>
#include <mutex>
#include <stdexcept>

namespace twinsweep {

namespace {

std::mutex handlerMutex;
TExceptionHandler customHandler;
std::atomic<bool> terminatedFlag{false};

} // namespace

void SetApplicationExceptionHandler(TExceptionHandler handler) {
    std::lock_guard lock(handlerMutex);
    customHandler = std::move(handler);
}

void HandleApplicationException(const std::exception& error) {
    TExceptionHandler handler;
    {
        std::lock_guard lock(handlerMutex);
        handler = customHandler;
    }
    try {
        if (handler)
            handler(error);
        else
            std::cerr << error.what() << '\n';
    } catch (...) {
        // The handler is the last stop: an error inside it is dropped.
    }
}

void HandleCurrentException() {
    try {
        throw;
    } catch (const std::exception& e) {
        HandleApplicationException(e);
    } catch (...) {
        HandleApplicationException(std::runtime_error("Unknown exception"));
    }
}

void SetApplicationTerminated(bool terminated) { terminatedFlag = terminated; }

bool ApplicationTerminated() { return terminatedFlag; }

} // namespace twinsweep
