#pragma once
// Where the port sends exceptions that nobody up the call chain can take: a
// stored port that fails to open while its form is read, and a failing event
// handler on the event thread's hand-off. The application installs its handler
// of unhandled exceptions here; until it does, the message goes to standard error.
#include <exception>
#include <functional>

namespace tv {

class TObject;

using TComExceptionHandler = std::function<void(TObject* sender, std::exception_ptr error)>;

// Returns the handler that was installed before.
TComExceptionHandler SetComExceptionHandler(TComExceptionHandler handler);
// Hands the exception being handled to the installed handler.
void ComHandleException(TObject* sender);

} // namespace tv
