#pragma once
// A paint drawn off screen and shown with one copy, so that no half-drawn
// frame reaches the screen.
#include <windows.h>

namespace toolkit {

// A bitmap the size of `area` whose coordinates are the target's: drawing
// into dc() at a point of `area` lands where Present() puts it. When the
// system refuses the bitmap, dc() is the target itself and Present() does nothing.
class OffscreenBuffer {
 public:
  OffscreenBuffer(HDC target, const RECT& area)
      : target_(target), area_(area), dc_(CreateCompatibleDC(target)) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    bitmap_ = dc_ ? CreateCompatibleBitmap(target, width, height) : nullptr;
    if (!bitmap_) return;
    previous_ = SelectObject(dc_, bitmap_);
    SetWindowOrgEx(dc_, area.left, area.top, nullptr);
  }
  OffscreenBuffer(const OffscreenBuffer&) = delete;
  OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;
  ~OffscreenBuffer() {
    if (bitmap_) {
      SelectObject(dc_, previous_);
      DeleteObject(bitmap_);
    }
    if (dc_) DeleteDC(dc_);
  }

  HDC dc() const { return bitmap_ ? dc_ : target_; }

  void Present() const {
    if (!bitmap_) return;
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_,
           area_.left, area_.top, SRCCOPY);
  }

 private:
  HDC target_;
  RECT area_;
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace toolkit
