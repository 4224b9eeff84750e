#pragma once
// How an event thread hands its work to the main thread. Under thread
// synchronisation the thread waits until the main thread has run the work;
// under window synchronisation it sends one message per event to its port's
// hidden window and waits only until the message is taken. The main thread
// runs what waits whenever it calls ComProcessMessages, which the station
// hooks into the application's message loop; handing work wakes that loop.
#include <functional>

namespace tv {

// Runs `work` in the main thread and returns once it ran (true), or at once
// when `owner` is closing (false).
bool ComSynchronize(const void* owner, std::function<void()> work);
// Hands `work` to the main thread and returns once it was taken (true), or at
// once when `owner` is closing (false).
bool ComSendMessage(const void* owner, std::function<void()> work);
// Main thread: runs the work that waits, waiting up to `timeoutMs` for the
// first. Returns how many ran.
int ComProcessMessages(int timeoutMs = 0);
// While an owner closes, its waiting and future work is dropped and the
// threads that wait for it go on: its event thread can always end.
void ComBeginClose(const void* owner);
void ComEndClose(const void* owner);

} // namespace tv
