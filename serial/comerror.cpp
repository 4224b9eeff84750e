#include "serial/comerror.h"

#include <array>
#include <mutex>

#include "core/sysformat.h"

namespace tv {

namespace {

constexpr std::array<const char*, 23> EnglishMessages{
    "Unable to open com port",
    "WriteFile function failed",
    "ReadFile function failed",
    "Invalid Async parameter",
    "PurgeComm function failed",
    "Unable to get async status",
    "SetCommState function failed",
    "SetCommTimeouts failed",
    "SetupComm function failed",
    "ClearCommError function failed",
    "GetCommModemStatus function failed",
    "EscapeCommFunction function failed",
    "TransmitCommChar function failed",
    "Cannot set property while connected",
    "EnumPorts function failed",
    "Failed to store settings",
    "Failed to load settings",
    "Link (un)registration failed",
    "Cannot change led state if ComPort is selected",
    "Cannot wait for event if event thread is created",
    "WaitForEvent method failed",
    "A component is linked to OnRxBuf event",
    "Registry error",
};
constexpr const char* EnglishSuffix = " (win error code: %d)";

struct MessageTable {
    std::mutex lock;
    std::array<std::string, 23> messages;
    std::string suffix;
    MessageTable() { Reset(); }
    void Reset() {
        for (std::size_t i = 0; i < messages.size(); ++i) messages[i] = EnglishMessages[i];
        suffix = EnglishSuffix;
    }
};

// Exceptions are built on the event thread too, so the table is guarded.
MessageTable& Table() {
    static MessageTable table;
    return table;
}

std::string Suffix() {
    std::lock_guard guard(Table().lock);
    return Table().suffix;
}

} // namespace

std::string ComErrorMessage(int code) {
    if (code < 1 || code > 23) return {};
    std::lock_guard guard(Table().lock);
    return Table().messages[code - 1];
}

void TranslateComErrorMessages(const std::function<std::string(const std::string&)>& translate) {
    std::array<std::string, 23> translated;
    for (std::size_t i = 0; i < translated.size(); ++i) translated[i] = translate(EnglishMessages[i]);
    std::string suffix = translate(EnglishSuffix);
    std::lock_guard guard(Table().lock);
    Table().messages = std::move(translated);
    Table().suffix = std::move(suffix);
}

void ResetComErrorMessages() {
    std::lock_guard guard(Table().lock);
    Table().Reset();
}

EComPort::EComPort(int code, int systemCode)
    : Exception(ComErrorMessage(code)), code_(code), systemCode_(systemCode) {
    std::string suffix = Suffix();
    try {
        SetMessage(Message() + Format(suffix, systemCode));
    } catch (const Exception&) {
        // A translation that broke the directive must not hide the error itself.
        SetMessage(Message() + Format(EnglishSuffix, systemCode));
    }
}

EComPort::EComPort(int code) : Exception(ComErrorMessage(code)), code_(code), systemCode_(-1) {}

} // namespace tv
