// The exception family's shared base: class name, message and the text what() returns.
#include "framework/RuntimeException.h"

#include <utility>

namespace fw {

RuntimeException::RuntimeException(std::string message) : RuntimeException("RuntimeException", std::move(message)) {}

RuntimeException::RuntimeException(std::string className, std::string message)
    : className_(std::move(className)), message_(std::move(message)), what_(className_ + ": " + message_) {}

} // namespace fw
