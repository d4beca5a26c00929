// A long run of the real overlay scrolling: its thousands of label paints
// leave no GDI object and no memory behind, and the labels paint as before.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>

#include <array>
#include <variant>
#include <vector>

#include "text/danmaku_lines.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/message_loop.h"
#include "ui/main_window.h"
#include "ui/overlay_window.h"
#include "ui/scrolling.h"
#include "win_test_support.h"

namespace {

constexpr int kWarmUpTicks = 20;
// Under Wine a tick of the colour-keyed overlay takes well over 30 ms, which
// bounds the count. Each tick paints twenty labels or more, so a paint that
// kept one GDI object would cost thousands of handles of headroom.
constexpr int kSoakTicks = 250;
constexpr SIZE_T kWorkingSetMargin = 2 * 1024 * 1024;
constexpr int kGdiHandleMargin = 64;
// Beyond any handle table, so that the count stops at the table's end.
constexpr int kGdiProbeLimit = 200000;

struct LabelPlace {
  const char* name;
  int left;
};

constexpr std::array<LabelPlace, 10> kTemplateLefts{{
    {"透明标签1", 112}, {"透明标签2", 56}, {"透明标签3", 112}, {"透明标签4", 456},
    {"透明标签5", 312}, {"透明标签6", 176}, {"透明标签7", 456}, {"透明标签8", 48},
    {"透明标签9", 504}, {"透明标签10", 536},
}};

const char* MainWindowDefaultLines() {
  for (const ControlTemplate& control : MainWindow.controls)
    if (const auto* edit = std::get_if<EditBoxSettings>(&control.settings)) return edit->content;
  return "";
}

// Driven ticks, with the paints they leave and the real timer's own ticks
// taken every few.
void RunTicks(int count) {
  for (int i = 1; i <= count; ++i) {
    OnScrollTimer();
    if (i % 10 == 0) toolkit::PumpPendingMessages();
  }
}

SIZE_T WorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

// How many more GDI objects the process may create: brushes are made until
// the system refuses one, then all are deleted again.
int GdiHeadroom() {
  std::vector<HBRUSH> brushes;
  brushes.reserve(kGdiProbeLimit);
  while (static_cast<int>(brushes.size()) < kGdiProbeLimit) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    if (!brush) break;
    brushes.push_back(brush);
  }
  for (HBRUSH brush : brushes) DeleteObject(brush);
  return static_cast<int>(brushes.size());
}

// The overlay's pixels with every label at its template place, fully redrawn.
std::vector<COLORREF> OverlayPicture() {
  for (const LabelPlace& label : kTemplateLefts) SetProperty(OverlayWindow, label.name, Left, label.left);
  const HWND overlay = GetWindowHandle(OverlayWindow);
  RedrawWindow(overlay, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT client;
  GetClientRect(overlay, &client);
  HDC window = GetDC(overlay);
  HDC memory = CreateCompatibleDC(window);
  HBITMAP bitmap = CreateCompatibleBitmap(window, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, client.right, client.bottom, window, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info{};
  info.bmiHeader = {.biSize = sizeof(BITMAPINFOHEADER), .biWidth = client.right,
                    .biHeight = -client.bottom, .biPlanes = 1, .biBitCount = 32,
                    .biCompression = BI_RGB};
  std::vector<COLORREF> pixels(static_cast<std::size_t>(client.right) * client.bottom);
  GetDIBits(memory, bitmap, 0, client.bottom, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(overlay, window);
  return pixels;
}

int TextPixels(const std::vector<COLORREF>& picture) {
  int count = 0;
  for (COLORREF pixel : picture) count += (pixel & 0xFFFFFF) != 0x808080;
  return count;
}

int DifferingPixels(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  if (a.size() != b.size()) return static_cast<int>(a.size() > b.size() ? a.size() : b.size());
  int count = 0;
  for (std::size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
  return count;
}

class Soak : public testing::Test {
 protected:
  void SetUp() override {
    ReplaceLines(MainWindowDefaultLines());
    LoadWindow(OverlayWindow);
    ASSERT_TRUE(testing_support::PumpUntil(
        [] { return IsWindowVisible(GetWindowHandle(OverlayWindow)) != FALSE; }));
  }
  void TearDown() override {
    if (IsWindowLoaded(OverlayWindow)) UnloadWindow(OverlayWindow, true);
    testing_support::PumpFor(20);
  }
};

}  // namespace

TEST_F(Soak, LongScrollingKeepsGdiObjectsMemoryAndPaintingSteady) {
  RunTicks(kWarmUpTicks);
  const std::vector<COLORREF> pictureBefore = OverlayPicture();
  const int headroomBefore = GdiHeadroom();
  const SIZE_T workingSetBefore = WorkingSet();

  RunTicks(kSoakTicks);

  EXPECT_LE(WorkingSet(), workingSetBefore + kWorkingSetMargin);
  EXPECT_GE(GdiHeadroom(), headroomBefore - kGdiHandleMargin);
  const std::vector<COLORREF> pictureAfter = OverlayPicture();
  EXPECT_GT(TextPixels(pictureAfter), 0);
  EXPECT_EQ(DifferingPixels(pictureAfter, pictureBefore), 0);
  // And the texts still move: label 1 steps 6 pixels left.
  SetProperty(OverlayWindow, "透明标签1", Left, 112);
  OnScrollTimer();
  EXPECT_EQ(GetProperty(OverlayWindow, "透明标签1", Left), 106);
}
