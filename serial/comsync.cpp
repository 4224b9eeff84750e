#include "serial/comsync.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <set>

#include "framework/ui/application.h"

namespace tv {

namespace {

struct Item {
    const void* owner = nullptr;
    std::function<void()> work;
    bool taken = false;
    bool done = false;
    bool dropped = false;
};

struct Queue {
    std::mutex lock;
    std::condition_variable arrived;   // the main thread waits for work
    std::condition_variable progress;  // event threads wait for their work
    std::deque<std::shared_ptr<Item>> items;
    std::multiset<const void*> closing;
};

Queue& TheQueue() {
    static Queue queue;
    return queue;
}

bool Hand(const void* owner, std::function<void()> work, bool waitForRun) {
    Queue& q = TheQueue();
    std::unique_lock guard(q.lock);
    if (q.closing.count(owner)) return false;
    auto item = std::make_shared<Item>();
    item->owner = owner;
    item->work = std::move(work);
    q.items.push_back(item);
    q.arrived.notify_all();
    WakeMainThread();
    q.progress.wait(guard, [&] {
        return item->dropped || q.closing.count(owner) || (waitForRun ? item->done : item->taken);
    });
    return waitForRun ? item->done : item->taken;
}

} // namespace

bool ComSynchronize(const void* owner, std::function<void()> work) { return Hand(owner, std::move(work), true); }

bool ComSendMessage(const void* owner, std::function<void()> work) { return Hand(owner, std::move(work), false); }

int ComProcessMessages(int timeoutMs) {
    Queue& q = TheQueue();
    std::unique_lock guard(q.lock);
    if (q.items.empty() && timeoutMs > 0)
        q.arrived.wait_for(guard, std::chrono::milliseconds(timeoutMs), [&] { return !q.items.empty(); });
    int ran = 0;
    // Only what waits now: work handed in while this runs waits for the next call.
    std::size_t pending = q.items.size();
    while (pending-- > 0 && !q.items.empty()) {
        auto item = q.items.front();
        q.items.pop_front();
        item->taken = true;
        q.progress.notify_all();
        guard.unlock();
        try {
            item->work();
        } catch (...) {
            guard.lock();
            item->done = true;
            q.progress.notify_all();
            throw;
        }
        guard.lock();
        item->done = true;
        q.progress.notify_all();
        ++ran;
    }
    return ran;
}

void ComBeginClose(const void* owner) {
    Queue& q = TheQueue();
    std::lock_guard guard(q.lock);
    q.closing.insert(owner);
    for (auto it = q.items.begin(); it != q.items.end();) {
        if ((*it)->owner == owner) {
            (*it)->dropped = true;
            it = q.items.erase(it);
        } else {
            ++it;
        }
    }
    q.progress.notify_all();
}

void ComEndClose(const void* owner) {
    Queue& q = TheQueue();
    std::lock_guard guard(q.lock);
    auto it = q.closing.find(owner);
    if (it != q.closing.end()) q.closing.erase(it);
}

} // namespace tv
