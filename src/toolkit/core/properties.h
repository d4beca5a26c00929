#pragma once
// Typed property descriptors: SetProperty(OverlayWindow, "透明标签3", Left, -5).
#include <string>
#include <string_view>

#include "toolkit/core/template.h"

enum class PropertyId { Left, Width, Caption, Content, FontSize, TextColour };

template <class Value>
struct Property {
  PropertyId id;
};

// What a setter takes for a property of `Value`: a text as a view, a number as itself.
template <class Value>
struct PropertyArgumentOf {
  using type = Value;
};
template <>
struct PropertyArgumentOf<std::string> {
  using type = std::string_view;
};
template <class Value>
using PropertyArgument = typename PropertyArgumentOf<Value>::type;

// Pixels; a control's in its parent's client coordinates, a window's on the screen.
inline constexpr Property<int> Left{PropertyId::Left};
inline constexpr Property<int> Width{PropertyId::Width};
// A transparent label's caption.
inline constexpr Property<std::string> Caption{PropertyId::Caption};
// An edit box's text, CR LF between its lines.
inline constexpr Property<std::string> Content{PropertyId::Content};
// The size member of a transparent label's font, in points.
inline constexpr Property<int> FontSize{PropertyId::FontSize};
inline constexpr Property<Colour> TextColour{PropertyId::TextColour};
