#pragma once
// The one family of failures the program raises and catches. Handlers that touch files catch
// `Exception` and show the program's own message; the names follow the class library's.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) { }
    std::string Message() const { return what(); }
};

// A text that is not a number, or a date that does not exist.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A file or folder that cannot be read, written, copied or deleted.
class EInOutError : public Exception {
public:
    explicit EInOutError(const std::string& message, int errorCode = 0)
        : Exception(message), ErrorCode(errorCode)
    {
    }
    // The system's error number (errno) behind the failure, 0 when the system gave none.
    int ErrorCode = 0;
};

// A picture that cannot be decoded or encoded.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// An outside program that cannot be started.
class EOSError : public Exception {
public:
    using Exception::Exception;
};

// An operation a control cannot do in its state (focusing a hidden control, showing a visible
// window modally).
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};
