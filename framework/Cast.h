// Checked look-ups: a nil object raises NilObjectException, an object of another class
// raises IllegalCastException, so a typo in a name or class fails loudly instead of crashing.
#pragma once

#include "framework/RuntimeException.h"

#include <memory>
#include <string>
#include <typeinfo>

namespace fw {

namespace detail {
std::string ReadableTypeName(const std::type_info& type);
}

template <class T, class U>
T& CheckedCast(U* object) {
    if (object == nullptr) throw NilObjectException();
    T* typed = dynamic_cast<T*>(object);
    if (typed == nullptr)
        throw IllegalCastException("The object is not a " + detail::ReadableTypeName(typeid(T)) + ".");
    return *typed;
}

template <class T, class U>
std::shared_ptr<T> CheckedPointerCast(const std::shared_ptr<U>& object) {
    if (!object) throw NilObjectException();
    auto typed = std::dynamic_pointer_cast<T>(object);
    if (!typed) throw IllegalCastException("The object is not a " + detail::ReadableTypeName(typeid(T)) + ".");
    return typed;
}

// The object a (smart) pointer refers to; NilObjectException when it is null.
template <class P>
auto& NotNil(const P& pointer) {
    if (!pointer) throw NilObjectException();
    return *pointer;
}

} // namespace fw
