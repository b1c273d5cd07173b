// Named, typed properties of a window or control. Each class declares the properties it accepts;
// setting one checks the name and the value's type, stores the value and applies it to Qt where it
// has a visible effect. The others are kept and read back unchanged.
#pragma once

#include "framework/PropertyValue.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fw {

class PropertyHolder {
public:
    PropertyHolder() = default;
    PropertyHolder(const PropertyHolder&) = delete;
    PropertyHolder& operator=(const PropertyHolder&) = delete;
    virtual ~PropertyHolder();

    // Throws KeyNotFoundException for a name the class does not have, TypeMismatchException for a
    // value of the wrong type and InvalidArgumentException for a value out of the property's range;
    // on failure the property keeps its old value. A whole number is accepted where a Single or
    // Double is expected, and Single and Double are accepted for each other.
    void SetProperty(const std::string& name, const PropertyValue& value);
    PropertyValue Property(const std::string& name) const;
    bool HasProperty(const std::string& name) const;
    std::vector<std::string> PropertyNames() const;

    // How messages name this object, e.g. "TextField 'nameFld'".
    virtual std::string Describe() const = 0;

protected:
    using Apply = std::function<void(const PropertyValue&)>;
    using Read = std::function<PropertyValue()>;

    // Declares a property with its type (that of `initial`); `apply` runs after each accepted set,
    // `read` (when given) answers reads instead of the stored value.
    void Declare(const std::string& name, PropertyValue initial, Apply apply = {}, Read read = {});

    template <class T>
    const T& Stored(const std::string& name) const {
        return StoredValue(name).As<T>();
    }
    const PropertyValue& StoredValue(const std::string& name) const;
    // Records a value changed by other means (Show, Hide) without applying it again.
    void Store(const std::string& name, PropertyValue value);

private:
    struct Entry {
        PropertyValue value;
        Apply apply;
        Read read;
    };
    const Entry& Find(const std::string& name) const;
    Entry& Find(const std::string& name);
    std::map<std::string, Entry> entries_;
};

// Applies the table to the target entry by entry, in table order; stops at the first rejected entry.
void SetProperties(PropertyHolder& target, const PropertyTable& table);

} // namespace fw
