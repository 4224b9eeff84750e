#include "platform/backend/backend.h"

#include "platform/backend/headless.h"

namespace tv::win {
namespace {

std::unique_ptr<Backend>& Current() {
    static std::unique_ptr<Backend> backend = std::make_unique<HeadlessBackend>();
    return backend;
}

} // namespace

Backend& CurrentBackend() { return *Current(); }

void SetBackend(std::unique_ptr<Backend> backend) {
    Current() = backend ? std::move(backend) : std::make_unique<HeadlessBackend>();
}

} // namespace tv::win
