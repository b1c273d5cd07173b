// Readable class names for the cast messages.
#include "framework/Cast.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>

namespace fw::detail {

std::string ReadableTypeName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}

} // namespace fw::detail
