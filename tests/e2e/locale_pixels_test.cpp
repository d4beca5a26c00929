// The Chinese captions and default lines show as real glyphs whatever Wine's
// ANSI code page: the texts reach the window system as UTF-16. Wine picks a
// different default GUI font for each code page, so the pictures cannot be
// equal pixel for pixel; instead every line of text must take as much room
// under code page 1252 as under 936, which empty boxes in place of the
// Chinese characters (about two thirds of the width) do not.
//
// A Wine prefix in a Western code page has no Chinese font of its own: the
// documented step tools/wine-setup gives it one, and the same holds in a
// prefix that the test makes and sets up with that step alone.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
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

bool ShowsEveryLineOfText(const Image& clientArea) {
  return std::all_of(std::begin(kTextRegions), std::end(kTextRegions), [&](const TextRegion& r) {
    return LinesOfText(clientArea.Crop(r.area)).size() == r.lines;
  });
}

// A Wine prefix of the test's own, made as a user of a Western language
// makes one and set up by tools/wine-setup alone; gone with its Wine server
// at the end.
class WineSetupPrefix {
 public:
  WineSetupPrefix() {
    std::filesystem::remove_all(path_);
    ChildProcess setup({ToolsDir() + "/wine-setup"},
                       {{"WINEPREFIX", path_}, {"LANG", kWesternLang}, {"LC_ALL", ""}});
    exitCode_ = setup.WaitForExit(240s);
  }
  ~WineSetupPrefix() {
    ChildProcess({"wineserver", "-k"}, {{"WINEPREFIX", path_}}).WaitForExit(kWaitBound);
    std::filesystem::remove_all(path_);
  }
  const std::string& Path() const { return path_; }
  std::optional<int> ExitCode() const { return exitCode_; }

 private:
  const std::string path_ = testing::TempDir() + "quillaro_wine_setup_prefix";
  std::optional<int> exitCode_;
};

class LocalePixelsTest : public EndToEndTest {
 protected:
  // MainWindow's client area once all its texts show and two shots in a row
  // agree, i.e. painting is done.
  Image SettledClientArea(const std::string& lang, const std::string& prefix = "") {
    Launch(lang, prefix);
    Image previous, current;
    const bool settled = PollUntil(
        [&] {
          previous = current;
          current = TakeScreenshot().Crop(kClientArea);
          return previous.Width() > 0 && previous == current && ShowsEveryLineOfText(current);
        },
        kWaitBound);
    EXPECT_TRUE(settled) << "MainWindow kept changing or lacks lines of text (LANG=" << lang << ")";
    GiveKeyboardTo(App().MainWindow());
    PressKeys("Escape");
    ExpectExitCodeZeroAndNoWindow();
    const std::string where = prefix.empty() ? "" : "_wine_setup";
    current.Save(testing::TempDir() + "quillaro_client_" + lang + where + ".ppm");
    return current;
  }

  static void ExpectSameRoom(const Image& chinese, const Image& western) {
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
};

TEST_F(LocalePixelsTest, ChineseTextsTakeTheSameRoomUnderCodePages936And1252) {
  const Image chinese = SettledClientArea(kChineseLang);
  const Image western = SettledClientArea(kWesternLang);
  ASSERT_FALSE(HasFatalFailure());
  ExpectSameRoom(chinese, western);
}

// The Western run first: the prefix was made under that language.
TEST_F(LocalePixelsTest, APrefixSetUpByWineSetupAloneShowsTheChineseTextsUnderCodePage1252) {
  const WineSetupPrefix prefix;
  ASSERT_EQ(prefix.ExitCode(), 0) << "tools/wine-setup failed on " << prefix.Path();
  const Image western = SettledClientArea(kWesternLang, prefix.Path());
  const Image chinese = SettledClientArea(kChineseLang, prefix.Path());
  ASSERT_FALSE(HasFatalFailure());
  ExpectSameRoom(chinese, western);
}

}  // namespace
}  // namespace e2e
