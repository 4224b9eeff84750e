#pragma once
// Raising the dataset layer's errors: a component's name, when it has one,
// goes before the text ("Clientes: Field 'X' not found").
#include <string>

#include "core/exceptions.h"

namespace tv {

class TComponent;

[[noreturn]] void DatabaseError(const std::string& message, const TComponent* component = nullptr);

// The update errors of a provider and the reconcile errors of a client
// dataset carry the failing statement's error code beside the text.
class EUpdateError : public EDatabaseError {
public:
    EUpdateError(std::string message, int errorCode = 0, std::string context = {})
        : EDatabaseError(std::move(message)), errorCode_(errorCode), context_(std::move(context)) {}
    const char* ClassName() const noexcept override { return "EUpdateError"; }
    int ErrorCode() const { return errorCode_; }
    const std::string& Context() const { return context_; }

private:
    int errorCode_;
    std::string context_;
};

class EReconcileError : public EUpdateError {
public:
    using EUpdateError::EUpdateError;
    const char* ClassName() const noexcept override { return "EReconcileError"; }
};

} // namespace tv
