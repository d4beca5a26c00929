// A reference for the overlay's CPU figures: the same band, texts, fonts,
// colours, speeds and colour key as OverlayWindow, drawn the plain Win32 way
// with no toolkit: one tick moves the ten texts and paints the band once,
// into a memory bitmap that one BitBlt puts on the window. Esc ends it.
// Started with "still", it shows the texts at their first places and never
// moves them: a frame of every text whole, for the grab analysis to count.
#include <windows.h>

#include <array>
#include <cwchar>

#include "overlay_labels.h"

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr COLORREF kKey = RGB(bench::kKeyGrey, bench::kKeyGrey, bench::kKeyGrey);
constexpr UINT kTextFlags = DT_NOCLIP | DT_LEFT | DT_SINGLELINE | DT_VCENTER;

// The lines a user finds in MainWindow's edit box, one a label.
constexpr std::array<const wchar_t*, 10> kTexts{
    L"进度条要搞事情", L"你对力量一无所知",     L"特意上号给5角",
    L"来早了，没有弹幕。。。", L"放开那个人，让我来", L"高能预警",
    L"xx出来，我们谈谈人生",   L"放学别走我保证打不死你！", L"说高能的出来",
    L"膝蓋中箭"};

struct Overlay {
  int width = 0;
  std::array<int, 10> lefts{};
  std::array<HFONT, 10> fonts{};
  HDC buffer = nullptr;  // a memory DC holding a bitmap of the whole band
  HBITMAP bitmap = nullptr;
  HGDIOBJ firstBitmap = nullptr;
  HBRUSH keyBrush = nullptr;
};

Overlay overlay;

HFONT CreateLabelFont(int points) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(points, 96, 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = PROOF_QUALITY;
  return CreateFontIndirectW(&font);
}

void CreateResources(HDC screen) {
  for (std::size_t i = 0; i < kTexts.size(); ++i) {
    overlay.lefts[i] = bench::kOverlayLabels[i].left;
    overlay.fonts[i] = CreateLabelFont(bench::kOverlayLabels[i].points);
  }
  overlay.buffer = CreateCompatibleDC(screen);
  overlay.bitmap = CreateCompatibleBitmap(screen, overlay.width, bench::kBandHeight);
  overlay.firstBitmap = SelectObject(overlay.buffer, overlay.bitmap);
  overlay.keyBrush = CreateSolidBrush(kKey);
}

void DeleteResources() {
  SelectObject(overlay.buffer, overlay.firstBitmap);
  DeleteObject(overlay.bitmap);
  DeleteDC(overlay.buffer);
  DeleteObject(overlay.keyBrush);
  for (HFONT font : overlay.fonts) DeleteObject(font);
}

void Scroll(HWND window) {
  for (std::size_t i = 0; i < kTexts.size(); ++i) {
    overlay.lefts[i] -= bench::kOverlayLabels[i].speed;
    if (overlay.lefts[i] < 0) overlay.lefts[i] = overlay.width;
  }
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

// Background first, then the texts from the bottom of the stack up.
void DrawBand(HDC dc) {
  const RECT band{0, 0, overlay.width, bench::kBandHeight};
  FillRect(dc, &band, overlay.keyBrush);
  SetBkMode(dc, TRANSPARENT);
  const HGDIOBJ firstFont = SelectObject(dc, overlay.fonts[0]);
  for (std::size_t i = 0; i < kTexts.size(); ++i) {
    const bench::OverlayLabel& label = bench::kOverlayLabels[i];
    RECT place{overlay.lefts[i], label.top, overlay.lefts[i] + label.width,
               label.top + bench::kLabelHeight};
    SelectObject(dc, overlay.fonts[i]);
    SetTextColor(dc, RGB(label.red, label.green, label.blue));
    DrawTextW(dc, kTexts[i], -1, &place, kTextFlags);
  }
  SelectObject(dc, firstFont);
}

void Paint(HWND window) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  DrawBand(overlay.buffer);
  BitBlt(dc, 0, 0, overlay.width, bench::kBandHeight, overlay.buffer, 0, 0, SRCCOPY);
  EndPaint(window, &paint);
}

LRESULT CALLBACK OverlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      Scroll(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      KillTimer(window, kTimerId);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

HWND CreateBand(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = OverlayProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = L"QuillaroReferenceOverlay";
  RegisterClassW(&windowClass);
  return CreateWindowExW(WS_EX_LAYERED, windowClass.lpszClassName, L"quillaro reference overlay",
                         WS_POPUP, 0, bench::kBandTop, overlay.width, bench::kBandHeight, nullptr,
                         nullptr, instance, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  overlay.width = GetSystemMetrics(SM_CXSCREEN);
  const HDC screen = GetDC(nullptr);
  CreateResources(screen);
  ReleaseDC(nullptr, screen);
  const HWND window = CreateBand(instance);
  SetLayeredWindowAttributes(window, kKey, 255, LWA_COLORKEY | LWA_ALPHA);
  ShowWindow(window, SW_SHOW);
  // The keyboard, so that Esc reaches it as soon as it shows.
  SetForegroundWindow(window);
  SetFocus(window);
  if (std::wcscmp(commandLine, L"still") != 0) SetTimer(window, kTimerId, bench::kTickMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteResources();
  return static_cast<int>(message.wParam);
}
