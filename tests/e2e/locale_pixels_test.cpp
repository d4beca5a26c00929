// The Chinese captions and default lines show as real glyphs whatever Wine's
// ANSI code page: the texts reach the window system as UTF-16. Wine picks a
// different default GUI font for each code page, so the pictures cannot be
// equal pixel for pixel; instead every line of text must take as much room
// under code page 1252 as under 936, which empty boxes in place of the
// Chinese characters (about two thirds of the width) do not.
#include <algorithm>
#include <string>
#include <vector>

#include "e2e_fixture.h"
#include "poll.h"
#include "screenshot.h"
#include "x_input.h"

namespace e2e {
namespace {

constexpr Rect kClientArea{kMainWindowRect.x + kFrameWidth, kMainWindowRect.y + kCaptionBottom,
                           kMainWindowRect.width - 2 * kFrameWidth,
                           kMainWindowRect.height - kCaptionBottom - kFrameWidth};

struct TextRegion {
  const char* name;
  Rect area;  // client coordinates, inside frames and borders
  size_t lines;
};

constexpr TextRegion kTextRegions[] = {
    {"group box caption", {4, 0, 120, 14}, 1},
    {"edit box", {14, 28, 416, 190}, 10},
    {"Start button", {114, 241, 76, 28}, 1},
    {"End button", {259, 241, 76, 28}, 1},
};
constexpr double kWidthTolerance = 0.15;

struct InkBand {
  int left, right;
};

bool IsInk(Rgb pixel) { return pixel.r + pixel.g + pixel.b < 384; }

// One band per run of rows with dark pixels, i.e. per line of text.
std::vector<InkBand> LinesOfText(const Image& image) {
  std::vector<InkBand> lines;
  bool inLine = false;
  for (int y = 0; y < image.Height(); ++y) {
    InkBand row{image.Width(), -1};
    for (int x = 0; x < image.Width(); ++x) {
      if (IsInk(image.At(x, y))) row = {std::min(row.left, x), std::max(row.right, x)};
    }
    if (row.right < 0) { inLine = false; continue; }
    if (!inLine) lines.push_back(row);
    lines.back() = {std::min(lines.back().left, row.left), std::max(lines.back().right, row.right)};
    inLine = true;
  }
  return lines;
}

class LocalePixelsTest : public EndToEndTest {
 protected:
  // MainWindow's client area once two shots in a row agree, i.e. painting is done.
  Image SettledClientArea(const std::string& lang) {
    Launch(lang);
    Image previous, current;
    const bool settled = PollUntil(
        [&] {
          previous = current;
          current = TakeScreenshot().Crop(kClientArea);
          return previous.Width() > 0 && previous == current;
        },
        20s);
    EXPECT_TRUE(settled) << "MainWindow kept changing (LANG=" << lang << ")";
    GiveKeyboardTo(App().MainWindow());
    PressKeys("Escape");
    ExpectExitCodeZeroAndNoWindow();
    current.Save(testing::TempDir() + "quillaro_client_" + lang + ".ppm");
    return current;
  }
};

TEST_F(LocalePixelsTest, ChineseTextsTakeTheSameRoomUnderCodePages936And1252) {
  const Image chinese = SettledClientArea(kChineseLang);
  const Image western = SettledClientArea(kWesternLang);
  ASSERT_FALSE(HasFatalFailure());
  for (const TextRegion& region : kTextRegions) {
    const auto expected = LinesOfText(chinese.Crop(region.area));
    const auto seen = LinesOfText(western.Crop(region.area));
    ASSERT_EQ(expected.size(), region.lines) << region.name << " under code page 936";
    ASSERT_EQ(seen.size(), region.lines) << region.name << " under code page 1252";
    for (size_t i = 0; i < seen.size(); ++i) {
      const int width = expected[i].right - expected[i].left;
      EXPECT_NEAR(seen[i].right - seen[i].left, width, width * kWidthTolerance)
          << region.name << ", line " << i + 1 << " (pictures in " << testing::TempDir() << ")";
    }
  }
}

}  // namespace
}  // namespace e2e
