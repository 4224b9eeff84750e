#include "framework/core/resourcestrings.h"

#include <memory>
#include <mutex>

namespace tv {

namespace {
std::mutex& LoaderMutex() {
    static std::mutex m;
    return m;
}
std::shared_ptr<const TResStringLoader>& LoaderSlot() {
    static std::shared_ptr<const TResStringLoader> loader;
    return loader;
}
} // namespace

std::string LoadResStringDefault(const ResourceString& res) { return res.text ? res.text : ""; }

std::string LoadResString(const ResourceString& res) {
    std::shared_ptr<const TResStringLoader> loader;
    {
        std::lock_guard lock(LoaderMutex());
        loader = LoaderSlot();
    }
    if (loader && *loader) return (*loader)(res);
    return LoadResStringDefault(res);
}

TResStringLoader SetResStringLoader(TResStringLoader loader) {
    std::lock_guard lock(LoaderMutex());
    auto& slot = LoaderSlot();
    TResStringLoader previous = slot ? *slot : TResStringLoader{};
    slot = loader ? std::make_shared<const TResStringLoader>(std::move(loader)) : nullptr;
    return previous;
}

} // namespace tv
