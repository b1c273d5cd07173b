// Type names of property values, used in the messages of rejected table entries.
#include "framework/PropertyValue.h"

#include "framework/RuntimeException.h"

namespace fw {

std::string TypeNameOf(const PropertyValue::Variant& value) {
    static const char* const names[] = {"Integer", "Boolean", "Text", "Color", "Single", "Double"};
    return names[value.index()];
}

std::string PropertyValue::TypeName() const { return TypeNameOf(value_); }

void PropertyValue::ThrowMismatch(const char* wanted) const {
    throw TypeMismatchException("Expected a value of type " + std::string(wanted) + ", got " + TypeName() + ".");
}

} // namespace fw
