// The transparent label on the real overlay: how it draws its caption, its
// font, and the redraw that leaves no trail when it moves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "toolkit/win32/handles.h"
#include "ui/scrolling.h"
#include "ui_test_support.h"

using testing_support::Cp936;
using testing_support::Pixels;
using testing_support::ReadPixels;
using ui_test::LabelName;

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
// "透明标签8" alone: no other label meets this part of the overlay at the
// template places, so whatever is not grey here is its text.
constexpr RECT kLabel8Band{0, 224, 480, 272};
constexpr int kLabel8Left = 48;

class Label : public testing::Test {
 protected:
  void SetUp() override {
    overlay_ = ui_test::OpenStillOverlay();
    ASSERT_TRUE(overlay_);
  }
  void TearDown() override { ui_test::CloseProgramWindows(); }

  Pixels Read(const RECT& area) const { return ReadPixels(overlay_, area); }

  HWND overlay_ = nullptr;
};

// The first column that is not grey, or -1.
LONG LeftmostInk(const Pixels& pixels) {
  for (LONG x = pixels.area.left; x < pixels.area.right; ++x)
    for (LONG y = pixels.area.top; y < pixels.area.bottom; ++y)
      if (pixels.At(x, y) != kGrey) return x;
  return -1;
}

bool At96Dpi() {
  WindowDC screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY) == 96;
}

}  // namespace

TEST_F(Label, DrawsOneLineLeftAndCentredUnclippedWithPrefixes) {
  for (int i = 1; i <= 10; ++i)
    EXPECT_EQ(ui_test::LabelOf(i).DrawFlags(),
              static_cast<UINT>(DT_NOCLIP | DT_LEFT | DT_SINGLELINE | DT_VCENTER))
        << LabelName(i);
}

TEST_F(Label, IsATransparentChildWithoutABackgroundBrush) {
  const HWND label = ui_test::LabelOf(3).Handle();
  EXPECT_EQ(GetWindowLongW(label, GWL_EXSTYLE) & WS_EX_TRANSPARENT, WS_EX_TRANSPARENT);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrW(label, GCLP_HBRBACKGROUND)),
            GetStockObject(NULL_BRUSH));
}

TEST_F(Label, ShowsItsTextOnTheGrey) { EXPECT_GT(Read(kLabel8Band).CountOtherThan(kGrey), 50); }

struct CaptionCase {
  const char* name;
  const char* caption;
  bool inked;
};

class LabelCaption : public Label, public testing::WithParamInterface<CaptionCase> {};

TEST_P(LabelCaption, DrawsOnlyWhatTheCaptionShows) {
  SetProperty(OverlayWindow, LabelName(8), Caption, GetParam().caption);
  EXPECT_EQ(Read(kLabel8Band).CountOtherThan(kGrey) > 0, GetParam().inked);
}

INSTANTIATE_TEST_SUITE_P(Captions, LabelCaption,
                         testing::Values(CaptionCase{"Empty", "", false},
                                         CaptionCase{"DoubledPrefix", "&&", true},
                                         CaptionCase{"Letter", "x", true}),
                         CaseName{});

TEST_F(Label, APrefixUnderlinesTheNextCharacterInsteadOfShowingItself) {
  SetProperty(OverlayWindow, LabelName(8), Caption, "x");
  const Pixels plain = Read(kLabel8Band);
  SetProperty(OverlayWindow, LabelName(8), Caption, "&x");
  const Pixels prefixed = Read(kLabel8Band);
  EXPECT_NE(prefixed.colours, plain.colours);  // the underline
  // The x starts where it would alone: no ampersand is drawn before it.
  EXPECT_EQ(LeftmostInk(prefixed), LeftmostInk(plain));
}

TEST_F(Label, ATextWiderThanItsLabelIsCutAtItsRightEdge) {
  SetProperty(OverlayWindow, LabelName(8), Caption, std::string(60, 'W'));
  const RECT inside{kLabel8Left, 224, kLabel8Left + 360, 272};
  const RECT beyond{kLabel8Left + 360, 224, 480, 272};
  EXPECT_GT(Read(inside).CountOtherThan(kGrey), 0);
  EXPECT_EQ(Read(beyond).CountOtherThan(kGrey), 0);
}

TEST_F(Label, AMoveRedrawsTheTextAtItsNewPlaceWithoutATrail) {
  const Pixels before = Read(kLabel8Band);
  ScrollLabel(LabelName(8), 5);
  const Pixels after = Read(kLabel8Band);
  int differing = 0;
  for (LONG y = kLabel8Band.top; y < kLabel8Band.bottom; ++y)
    for (LONG x = kLabel8Band.left; x < kLabel8Band.right; ++x) {
      const COLORREF expected = x + 5 < kLabel8Band.right ? before.At(x + 5, y) : kGrey;
      differing += after.At(x, y) != expected;
    }
  EXPECT_EQ(differing, 0);
}

TEST_F(Label, AWrapLeavesNothingOfTheTextAtItsOldPlace) {
  ScrollLabel(LabelName(8), kLabel8Left + 1);
  ASSERT_EQ(GetProperty(OverlayWindow, LabelName(8), Left), screenWidth);
  EXPECT_EQ(Read(kLabel8Band).CountOtherThan(kGrey), 0);
}

// Where "透明标签1" lies under "透明标签4" at the template places.
constexpr RECT kLabels1And4Meet{456, 16, 472, 56};
const std::string kWideText = Cp936(L"田田田田田田田田田田田田田田田田田田");

TEST_F(Label, ALabelBeneathAMovedOneIsRedrawnWhereTheyMeet) {
  SetProperty(OverlayWindow, LabelName(1), Caption, kWideText);
  SetProperty(OverlayWindow, LabelName(4), Caption, "");  // draws nothing itself
  const Pixels before = Read(kLabels1And4Meet);
  ASSERT_GT(before.CountOtherThan(kGrey), 0);
  ScrollLabel(LabelName(4), 5);
  EXPECT_EQ(Read(kLabels1And4Meet).colours, before.colours);
}

TEST_F(Label, TheHigherLabelStaysOnTopWhenTheLowerOneIsRedrawn) {
  const COLORREF upperColour = GetProperty(OverlayWindow, LabelName(4), TextColour);
  SetProperty(OverlayWindow, LabelName(4), Caption, "");
  SetProperty(OverlayWindow, LabelName(1), Caption, kWideText);
  const Pixels lowerOnly = Read(kLabels1And4Meet);
  SetProperty(OverlayWindow, LabelName(1), Caption, "");
  SetProperty(OverlayWindow, LabelName(4), Caption, kWideText);
  const Pixels upperOnly = Read(kLabels1And4Meet);
  // Redrawing the lower label redraws the upper one after it.
  SetProperty(OverlayWindow, LabelName(1), Caption, kWideText);
  const Pixels both = Read(kLabels1And4Meet);
  int contested = 0;
  for (std::size_t i = 0; i < both.colours.size(); ++i) {
    if (upperOnly.colours[i] != upperColour) continue;
    EXPECT_EQ(both.colours[i], upperColour) << "pixel " << i;
    contested += lowerOnly.colours[i] != kGrey;
  }
  EXPECT_GT(contested, 0);  // both labels ink some of these pixels
  SetProperty(OverlayWindow, LabelName(1), Left, 112);  // moved in place
  EXPECT_EQ(Read(kLabels1And4Meet).colours, both.colours);
}

// Wine refuses new GDI objects beyond about 65,000 live ones: a paint that
// kept its font would fill the table long before the last of these.
constexpr int kPaintsBeyondTheGdiTable = 70000;
constexpr int kFontProbe = 1000;

// How many of `count` fonts can be created at once; all are deleted again.
int FontsThatCanBeCreated(int count) {
  std::vector<HFONT> fonts;
  for (int i = 0; i < count; ++i)
    if (HFONT font = CreateFontW(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L""))
      fonts.push_back(font);
  for (HFONT font : fonts) DeleteObject(font);
  return static_cast<int>(fonts.size());
}

TEST_F(Label, PaintsKeepNoGdiObject) {
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, 360, 48);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  const toolkit::TransparentLabelProbe label = ui_test::LabelOf(8);
  const RECT rect{0, 0, 360, 48};
  for (int i = 0; i < kPaintsBeyondTheGdiTable; ++i) label.Paint(memory, rect);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  EXPECT_EQ(FontsThatCanBeCreated(kFontProbe), kFontProbe);
  SetProperty(OverlayWindow, LabelName(8), Caption, "still drawn");
  EXPECT_GT(Read(kLabel8Band).CountOtherThan(kGrey), 0);
}

struct FontSizeCase {
  int points;
  LONG height;
};

class LabelFontSize : public Label, public testing::WithParamInterface<FontSizeCase> {};

TEST_P(LabelFontSize, ReplacesOnlyTheHeightOfTheLogFont) {
  if (!At96Dpi()) GTEST_SKIP() << "the screen is not 96 dpi";
  const LOGFONTW before = ui_test::LabelOf(5).LogFont();
  SetProperty(OverlayWindow, LabelName(5), FontSize, GetParam().points);
  LOGFONTW after = ui_test::LabelOf(5).LogFont();
  EXPECT_EQ(after.lfHeight, GetParam().height);
  EXPECT_EQ(after.lfWeight, 400);
  EXPECT_EQ(after.lfFaceName[0], L'\0');
  after.lfHeight = before.lfHeight;
  EXPECT_EQ(std::memcmp(&after, &before, sizeof after), 0);
}

INSTANTIATE_TEST_SUITE_P(Points, LabelFontSize,
                         testing::Values(FontSizeCase{15, -20}, FontSizeCase{16, -21},
                                         FontSizeCase{19, -25}, FontSizeCase{20, -27},
                                         FontSizeCase{-16, -21}),
                         [](const auto& info) {
                           return (info.param.points < 0 ? "Minus" : "") +
                                  std::to_string(std::abs(info.param.points));
                         });

