#pragma once
// The driver's error texts, built from a Firebird status vector.
//
// A failure to connect reads "dbExpress Error: " followed by one of
//   Your user name and password are not defined...        (wrong user or password)
//   I/O error for file "<file>"                            (a database file that cannot be opened)
//   Unable to complete network request to host "<host>".   (a host that cannot be found)
//   Connection failed                                      (a host without a server)
// or the server's own message. A failed statement reads "SQL Server Error: "
// (18 characters) followed by the server's message, so the first words of a key
// violation stand at position 19. Further lines of the status follow, one per line,
// among them the operating system's reason for a file it refused ("Permission denied").
#include <cstdint>
#include <string>

#include "core/exceptions.h"
#include "framework/data/sql/fb_api.h"

namespace tv {

class EFirebirdError : public EDatabaseError {
public:
    EFirebirdError(std::string message, std::intptr_t errorCode, bool connectionLost = false)
        : EDatabaseError(std::move(message)), errorCode_(errorCode), connectionLost_(connectionLost) {}
    const char* ClassName() const noexcept override { return "EFirebirdError"; }
    // The first Firebird error code of the status (isc_... values of iberror.h).
    std::intptr_t ErrorCode() const { return errorCode_; }
    // The server went away or shut the attachment: nothing more can run on it.
    bool ConnectionLost() const { return connectionLost_; }

private:
    std::intptr_t errorCode_;
    bool connectionLost_;
};

namespace fb {

inline constexpr const char* kConnectPrefix = "dbExpress Error: ";
inline constexpr const char* kStatementPrefix = "SQL Server Error: ";

EFirebirdError MakeError(const std::intptr_t* vector, ErrorSource source);

} // namespace fb
} // namespace tv
