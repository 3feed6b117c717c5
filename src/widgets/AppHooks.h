#pragma once
// What widgets need from the application object: where caught errors go, and whether the
// program is shutting down. Both may be used from any thread.
#include <exception>
#include <functional>

namespace twinsweep {

using TExceptionHandler = std::function<void(const std::exception&)>;

// Replaces the application's exception handler; an empty function restores the default,
// which prints the message to stderr.
void SetApplicationExceptionHandler(TExceptionHandler handler);

// Hands an error that a widget caught to the application's handler. Never throws.
void HandleApplicationException(const std::exception& error);

// Hands the exception being handled (call inside a catch block) to the application's
// handler; errors that are not std::exception arrive as "Unknown exception".
void HandleCurrentException();

// Set by the application once its event loop has ended; threads stop delivering work.
void SetApplicationTerminated(bool terminated);
bool ApplicationTerminated();

} // namespace twinsweep
