// The framework's exception family. Program code and the framework throw these; they pass up to
// the caller like any C++ exception, and the event dispatch reports one that nothing caught.
#pragma once

#include <exception>
#include <string>

namespace fw {

class RuntimeException : public std::exception {
public:
    explicit RuntimeException(std::string message = "A runtime exception occurred.");

    // The exception's class as the unhandled-exception report names it ("NilObjectException").
    const std::string& ClassName() const noexcept { return className_; }
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return what_.c_str(); }

protected:
    RuntimeException(std::string className, std::string message);

private:
    std::string className_;
    std::string message_;
    std::string what_;
};

class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(std::string message = "A nil object was used.")
        : RuntimeException("NilObjectException", std::move(message)) {}
};

class IllegalCastException : public RuntimeException {
public:
    explicit IllegalCastException(std::string message = "An object was cast to a class it does not have.")
        : RuntimeException("IllegalCastException", std::move(message)) {}
};

// A user-interface operation was called from a thread other than the UI thread.
class ThreadAccessingUIException : public RuntimeException {
public:
    explicit ThreadAccessingUIException(std::string message = "The user interface was used from another thread.")
        : RuntimeException("ThreadAccessingUIException", std::move(message)) {}
};

// A property name that the object does not have.
class KeyNotFoundException : public RuntimeException {
public:
    explicit KeyNotFoundException(std::string message) : RuntimeException("KeyNotFoundException", std::move(message)) {}
};

// A property value of the wrong type.
class TypeMismatchException : public RuntimeException {
public:
    explicit TypeMismatchException(std::string message)
        : RuntimeException("TypeMismatchException", std::move(message)) {}
};

// A value outside what the operation accepts (an unknown enumeration number, a bad shortcut text,
// a duplicate name or shortcut, an unregistered class).
class InvalidArgumentException : public RuntimeException {
public:
    explicit InvalidArgumentException(std::string message)
        : RuntimeException("InvalidArgumentException", std::move(message)) {}
};

class OutOfBoundsException : public RuntimeException {
public:
    explicit OutOfBoundsException(std::string message) : RuntimeException("OutOfBoundsException", std::move(message)) {}
};

} // namespace fw
