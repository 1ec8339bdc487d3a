// The program's exception classes: one root carrying one message, and the
// classes that text conversion and floating-point faults raise.
#pragma once

#include <exception>
#include <string>

namespace colmara {

class Exception : public std::exception {
  public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }
    // Name of the most derived class, as the start-up error box shows it.
    virtual const char* ClassName() const noexcept { return "Exception"; }

  private:
    std::string message_;
};

#define COLMARA_EXCEPTION_CLASS(Name, Base)                               \
    class Name : public Base {                                            \
      public:                                                             \
        using Base::Base;                                                 \
        const char* ClassName() const noexcept override { return #Name; } \
    }

COLMARA_EXCEPTION_CLASS(EConvertError, Exception);
COLMARA_EXCEPTION_CLASS(EExternal, Exception);
COLMARA_EXCEPTION_CLASS(EMathError, EExternal);
COLMARA_EXCEPTION_CLASS(EInvalidOp, EMathError);
COLMARA_EXCEPTION_CLASS(EZeroDivide, EMathError);
COLMARA_EXCEPTION_CLASS(EOverflow, EMathError);
COLMARA_EXCEPTION_CLASS(EUnderflow, EMathError);
COLMARA_EXCEPTION_CLASS(EIntError, EExternal);
COLMARA_EXCEPTION_CLASS(EDivByZero, EIntError);
COLMARA_EXCEPTION_CLASS(ERangeError, EIntError);
COLMARA_EXCEPTION_CLASS(EIntOverflow, EIntError);
COLMARA_EXCEPTION_CLASS(EAccessViolation, EExternal);
COLMARA_EXCEPTION_CLASS(EPrivilege, EExternal);
COLMARA_EXCEPTION_CLASS(EControlC, EExternal);
COLMARA_EXCEPTION_CLASS(EStackOverflow, EExternal);
COLMARA_EXCEPTION_CLASS(EExternalException, EExternal);

#undef COLMARA_EXCEPTION_CLASS

// The text an error box shows for a message: a '.' is appended unless the
// message is empty or already ends in a character up to '.' in code order.
std::string MessageWithPeriod(const std::string& message);

}  // namespace colmara
