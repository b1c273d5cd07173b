// Property storage with type checks. Values are converted only where no information is lost
// (a whole number to a floating-point property, Single and Double to each other).
#include "framework/PropertyHolder.h"

#include "framework/RuntimeException.h"
#include "framework/UiThread.h"

#include <optional>
#include <utility>

namespace fw {
namespace {

std::optional<PropertyValue> Converted(const PropertyValue& value, const PropertyValue& declared) {
    if (value.Get().index() == declared.Get().index()) return value;
    if (declared.Is<float>()) {
        if (value.Is<std::int64_t>()) return PropertyValue(static_cast<float>(value.As<std::int64_t>()));
        if (value.Is<double>()) return PropertyValue(static_cast<float>(value.As<double>()));
    }
    if (declared.Is<double>()) {
        if (value.Is<std::int64_t>()) return PropertyValue(static_cast<double>(value.As<std::int64_t>()));
        if (value.Is<float>()) return PropertyValue(static_cast<double>(value.As<float>()));
    }
    return std::nullopt;
}

} // namespace

PropertyHolder::~PropertyHolder() = default;

void PropertyHolder::Declare(const std::string& name, PropertyValue initial, Apply apply, Read read) {
    entries_.insert_or_assign(name, Entry{std::move(initial), std::move(apply), std::move(read)});
}

const PropertyHolder::Entry& PropertyHolder::Find(const std::string& name) const {
    auto it = entries_.find(name);
    if (it == entries_.end()) throw KeyNotFoundException(Describe() + " has no property '" + name + "'.");
    return it->second;
}

PropertyHolder::Entry& PropertyHolder::Find(const std::string& name) {
    return const_cast<Entry&>(std::as_const(*this).Find(name));
}

void PropertyHolder::SetProperty(const std::string& name, const PropertyValue& value) {
    RequireUiThread();
    Entry& entry = Find(name);
    auto converted = Converted(value, entry.value);
    if (!converted) {
        throw TypeMismatchException(Describe() + ": property '" + name + "' takes a value of type " +
                                    entry.value.TypeName() + ", not " + value.TypeName() + ".");
    }
    PropertyValue previous = std::exchange(entry.value, std::move(*converted));
    if (!entry.apply) return;
    try {
        entry.apply(entry.value);
    } catch (...) {
        entry.value = std::move(previous);
        throw;
    }
}

PropertyValue PropertyHolder::Property(const std::string& name) const {
    RequireUiThread();
    const Entry& entry = Find(name);
    return entry.read ? entry.read() : entry.value;
}

bool PropertyHolder::HasProperty(const std::string& name) const { return entries_.count(name) != 0; }

std::vector<std::string> PropertyHolder::PropertyNames() const {
    std::vector<std::string> names;
    names.reserve(entries_.size());
    for (const auto& [name, entry] : entries_) names.push_back(name);
    return names;
}

const PropertyValue& PropertyHolder::StoredValue(const std::string& name) const { return Find(name).value; }

void PropertyHolder::Store(const std::string& name, PropertyValue value) { Find(name).value = std::move(value); }

void SetProperties(PropertyHolder& target, const PropertyTable& table) {
    RequireUiThread();
    for (const auto& entry : table) target.SetProperty(entry.name, entry.value);
}

} // namespace fw
