#pragma once
// What GetProperty and SetProperty reach: a window or one of its controls.
// Left and width belong to every target with a native window; each kind
// adds its own properties by id.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "toolkit/core/properties.h"

namespace toolkit {

class PropertyTarget {
 public:
  virtual ~PropertyTarget() = default;

  // The property's value; nullopt where the target has no such property.
  template <class Value>
  std::optional<Value> Get(Property<Value> property) const;
  // False where the target has no such property.
  template <class Value>
  bool Set(Property<Value> property, PropertyArgument<Value> value);

 protected:
  PropertyTarget() = default;
  PropertyTarget(const PropertyTarget&) = delete;
  PropertyTarget& operator=(const PropertyTarget&) = delete;

  virtual std::optional<std::int64_t> GetNumber(PropertyId id) const;
  virtual bool SetNumber(PropertyId id, std::int64_t value);
  virtual std::optional<std::string> GetText(PropertyId /*id*/) const { return std::nullopt; }
  virtual bool SetText(PropertyId /*id*/, std::string_view /*value*/) { return false; }

  // The target's rectangle: a window's on the screen, a control's in its
  // parent's client coordinates; nullopt without a native window.
  virtual std::optional<RECT> Bounds() const = 0;
  // Puts the target at `left` with `width`, from `before`; top and height stay.
  virtual void MoveTo(const RECT& before, int left, int width) = 0;
};

template <class Value>
std::optional<Value> PropertyTarget::Get(Property<Value> property) const {
  if constexpr (std::is_same_v<Value, std::string>) {
    return GetText(property.id);
  } else {
    const std::optional<std::int64_t> number = GetNumber(property.id);
    if (!number) return std::nullopt;
    return static_cast<Value>(*number);
  }
}

template <class Value>
bool PropertyTarget::Set(Property<Value> property, PropertyArgument<Value> value) {
  if constexpr (std::is_same_v<Value, std::string>) return SetText(property.id, value);
  else return SetNumber(property.id, value);
}

}  // namespace toolkit
