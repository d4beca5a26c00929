#include "toolkit/win32/property_target.h"

#include "toolkit/core/geometry.h"

namespace toolkit {
namespace {
bool IsPlace(PropertyId id) { return id == PropertyId::Left || id == PropertyId::Width; }
}  // namespace

std::optional<std::int64_t> PropertyTarget::GetNumber(PropertyId id) const {
  const std::optional<RECT> rect = IsPlace(id) ? Bounds() : std::nullopt;
  if (!rect) return std::nullopt;
  return id == PropertyId::Left ? rect->left : rect->right - rect->left;
}

bool PropertyTarget::SetNumber(PropertyId id, std::int64_t value) {
  const std::optional<RECT> before = IsPlace(id) ? Bounds() : std::nullopt;
  if (!before) return false;
  const int left = id == PropertyId::Left ? ClampLeft(value) : before->left;
  const int width = id == PropertyId::Width ? ClampWidth(value) : before->right - before->left;
  MoveTo(*before, left, width);
  return true;
}

}  // namespace toolkit
