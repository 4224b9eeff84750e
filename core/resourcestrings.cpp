#include "core/resourcestrings.h"

#include <memory>
#include <mutex>

namespace tv {

namespace {
// Neither is ever destroyed: units that hook the loader may unhook it from
// their own static destructors, which run after these would have gone when
// the program leaves through exit() (a lost display, for one).
std::mutex& LoaderMutex() {
    static auto* m = new std::mutex;
    return *m;
}
std::shared_ptr<const TResStringLoader>& LoaderSlot() {
    static auto* loader = new std::shared_ptr<const TResStringLoader>;
    return *loader;
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
