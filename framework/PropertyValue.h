// Typed values of layout property tables: an ordered list of (name, value) entries that
// SetProperties applies to a window or control one entry at a time, in table order.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace fw {

// An opaque RGB colour, written &hRRGGBB: Color{0x000080} is navy.
struct Color {
    std::uint32_t rgb = 0;
    friend bool operator==(Color, Color) = default;
};

// One of: whole number (also enumeration numbers and Index), Boolean, text (UTF-8), colour,
// single-precision number (font sizes) or double-precision number (LineSpacing, LineHeight).
class PropertyValue {
public:
    using Variant = std::variant<std::int64_t, bool, std::string, Color, float, double>;

    PropertyValue(int value) : value_(std::int64_t{value}) {}
    PropertyValue(long value) : value_(static_cast<std::int64_t>(value)) {}
    PropertyValue(long long value) : value_(static_cast<std::int64_t>(value)) {}
    PropertyValue(bool value) : value_(value) {}
    PropertyValue(const char* text) : value_(std::string(text != nullptr ? text : "")) {}
    PropertyValue(std::string text) : value_(std::move(text)) {}
    PropertyValue(Color color) : value_(color) {}
    PropertyValue(float number) : value_(number) {}
    PropertyValue(double number) : value_(number) {}

    const Variant& Get() const noexcept { return value_; }
    template <class T>
    bool Is() const noexcept {
        return std::holds_alternative<T>(value_);
    }

    // The value as T; TypeMismatchException when it holds another type.
    template <class T>
    const T& As() const;

    // "Integer", "Boolean", "Text", "Color", "Single" or "Double".
    std::string TypeName() const;

    friend bool operator==(const PropertyValue&, const PropertyValue&) = default;

private:
    [[noreturn]] void ThrowMismatch(const char* wanted) const;
    Variant value_;
};

struct PropertyEntry {
    std::string name;
    PropertyValue value;
};

using PropertyTable = std::vector<PropertyEntry>;

std::string TypeNameOf(const PropertyValue::Variant& value);

template <class T>
const T& PropertyValue::As() const {
    if (const T* held = std::get_if<T>(&value_)) return *held;
    ThrowMismatch(TypeNameOf(Variant(T{})).c_str());
}

} // namespace fw
