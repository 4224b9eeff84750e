#pragma once
// The exception classes of the framework. Every failure the system raises is one
// of these, carrying the text the user sees.
#include <stdexcept>
#include <string>

namespace tv {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    void SetMessage(std::string m) { message_ = std::move(m); }
    const char* what() const noexcept override { return message_.c_str(); }
    virtual const char* ClassName() const noexcept { return "Exception"; }
    int HelpContext() const noexcept { return helpContext_; }
    void SetHelpContext(int c) noexcept { helpContext_ = c; }

private:
    std::string message_;
    int helpContext_ = 0;
};

#define TV_DECLARE_EXCEPTION(Name, Base)                                        \
    class Name : public Base {                                                  \
    public:                                                                     \
        using Base::Base;                                                       \
        const char* ClassName() const noexcept override { return #Name; }       \
    };

// The silent exception: it unwinds like any other but nobody shows it.
TV_DECLARE_EXCEPTION(EAbort, Exception)
TV_DECLARE_EXCEPTION(EConvertError, Exception)
TV_DECLARE_EXCEPTION(EVariantError, Exception)
TV_DECLARE_EXCEPTION(EMathError, Exception)
TV_DECLARE_EXCEPTION(EOverflow, EMathError)
TV_DECLARE_EXCEPTION(EZeroDivide, EMathError)
TV_DECLARE_EXCEPTION(EInvalidOp, EMathError)
TV_DECLARE_EXCEPTION(EIntError, Exception)
TV_DECLARE_EXCEPTION(EDivByZero, EIntError)
TV_DECLARE_EXCEPTION(ERangeError, EIntError)
TV_DECLARE_EXCEPTION(EIntOverflow, EIntError)
TV_DECLARE_EXCEPTION(EInvalidCast, Exception)
TV_DECLARE_EXCEPTION(EInvalidPointer, Exception)
TV_DECLARE_EXCEPTION(EInvalidOperation, Exception)
TV_DECLARE_EXCEPTION(EListError, Exception)
TV_DECLARE_EXCEPTION(EStringListError, Exception)
TV_DECLARE_EXCEPTION(EStreamError, Exception)
TV_DECLARE_EXCEPTION(EFCreateError, EStreamError)
TV_DECLARE_EXCEPTION(EFOpenError, EStreamError)
TV_DECLARE_EXCEPTION(EReadError, EStreamError)
TV_DECLARE_EXCEPTION(EWriteError, EStreamError)
TV_DECLARE_EXCEPTION(EFilerError, EStreamError)
TV_DECLARE_EXCEPTION(EClassNotFound, EFilerError)
TV_DECLARE_EXCEPTION(EMethodNotFound, EFilerError)
TV_DECLARE_EXCEPTION(EInvalidImage, EFilerError)
TV_DECLARE_EXCEPTION(EParserError, Exception)
TV_DECLARE_EXCEPTION(EComponentError, Exception)
TV_DECLARE_EXCEPTION(EPropertyError, Exception)
TV_DECLARE_EXCEPTION(EInOutError, Exception)
TV_DECLARE_EXCEPTION(EOSError, Exception)
TV_DECLARE_EXCEPTION(EOutOfResources, Exception)
TV_DECLARE_EXCEPTION(EOutOfMemory, Exception)
TV_DECLARE_EXCEPTION(EIniFileException, Exception)
TV_DECLARE_EXCEPTION(ERegistryException, Exception)
TV_DECLARE_EXCEPTION(EDatabaseError, Exception)
TV_DECLARE_EXCEPTION(EInvalidGraphic, Exception)
TV_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception)
TV_DECLARE_EXCEPTION(EPrinter, Exception)
TV_DECLARE_EXCEPTION(EMenuError, Exception)

// Raises the silent exception.
[[noreturn]] inline void Abort() { throw EAbort("Operation aborted"); }

} // namespace tv
