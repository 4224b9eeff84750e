#pragma once
// EComPort, the exception of the serial port: a code from 1 to 23 with its
// message, and the operating system's error code (-1 when there is none).
#include <functional>
#include <string>

#include "core/exceptions.h"

namespace tv {

inline constexpr int CError_OpenFailed = 1;
inline constexpr int CError_WriteFailed = 2;
inline constexpr int CError_ReadFailed = 3;
inline constexpr int CError_InvalidAsync = 4;
inline constexpr int CError_PurgeFailed = 5;
inline constexpr int CError_AsyncCheck = 6;
inline constexpr int CError_SetStateFailed = 7;
inline constexpr int CError_TimeoutsFailed = 8;
inline constexpr int CError_SetupComFailed = 9;
inline constexpr int CError_ClearComFailed = 10;
inline constexpr int CError_ModemStatFailed = 11;
inline constexpr int CError_EscapeComFailed = 12;
inline constexpr int CError_TransmitFailed = 13;
inline constexpr int CError_ConnChangeProp = 14;
inline constexpr int CError_EnumPortsFailed = 15;
inline constexpr int CError_StoreFailed = 16;
inline constexpr int CError_LoadFailed = 17;
inline constexpr int CError_RegFailed = 18;
inline constexpr int CError_LedStateFailed = 19;
inline constexpr int CError_ThreadCreated = 20;
inline constexpr int CError_WaitFailed = 21;
inline constexpr int CError_HasLink = 22;
inline constexpr int CError_RegError = 23;

class EComPort : public Exception {
public:
    // The code's text followed by " (win error code: %d)" with `systemCode`.
    EComPort(int code, int systemCode);
    // The code's text alone; SystemCode is -1.
    explicit EComPort(int code);
    const char* ClassName() const noexcept override { return "EComPort"; }

    int Code() const noexcept { return code_; }
    int SystemCode() const noexcept { return systemCode_; }

private:
    int code_;
    int systemCode_;
};

// The current (translated) message of a code; empty outside 1..23.
std::string ComErrorMessage(int code);
// Replaces the message table, and the system-code suffix, with their
// translations. Called once by the subsystem's start-up.
void TranslateComErrorMessages(const std::function<std::string(const std::string&)>& translate);
// Puts the English texts back (shutdown).
void ResetComErrorMessages();

} // namespace tv
