// What a viewer saw of the scrolling band, read from timed screen grabs:
// grabs in which a text that should show is missing or only partly drawn,
// grabs that show a text's worth of the colour key's grey (pixels the key
// should have hidden), and the texts' speeds on screen.
//
//   quillaro_bench_band_grabs NAME LIST ROWS STILL
// LIST holds one grab a line, "MILLISECONDS PATH", the time of the grab and
// its PPM file (a relative path from LIST's folder); only the band's rows above ROWS are read (another window may
// cover the rest). STILL is a grab of the same texts standing still, every
// one whole: a text's pixel count does not depend on its place, so STILL
// tells how many pixels of each a whole text has. Figures are printed as
// "NAME label: value unit".
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "overlay_labels.h"
#include "ppm_image.h"

namespace {

using bench::kOverlayLabels;

constexpr int kMargin = 8;             // pixels from either screen edge: well inside
constexpr double kSeenFraction = 0.25;  // of a whole text's pixels: below it, missing
constexpr double kWholeFraction = 0.75; // below it, partly drawn
constexpr double kMaxGapMs = 2000;      // far shorter than a text's trip across the screen

// The pixels of one label's exact text colour in one grab.
struct Sighting {
  int count = 0;
  int left = 0, right = -1;
};

struct Grab {
  double ms;
  std::vector<Sighting> labels;  // by index into kOverlayLabels
  int keyGrey;                   // pixels of exactly the key colour
};

[[noreturn]] void Fail(const std::string& why) {
  std::fprintf(stderr, "error: %s\n", why.c_str());
  std::exit(1);
}

// Black text cannot be told from the black desktop behind the band.
bool Tracked(const bench::OverlayLabel& label) { return label.red || label.green || label.blue; }

Sighting Look(const bench::PpmImage& image, const bench::OverlayLabel& label, int rows) {
  const bench::Rgb colour{label.red, label.green, label.blue};
  Sighting seen;
  const int bottom = std::min({label.top + bench::kLabelHeight, rows, image.Height()});
  for (int y = label.top; y < bottom; ++y)
    for (int x = 0; x < image.Width(); ++x) {
      if (!(image.At(x, y) == colour)) continue;
      if (seen.count++ == 0 || x < seen.left) seen.left = x;
      seen.right = std::max(seen.right, x);
    }
  return seen;
}

int CountKeyGrey(const bench::PpmImage& image, int rows) {
  const bench::Rgb grey{bench::kKeyGrey, bench::kKeyGrey, bench::kKeyGrey};
  int count = 0;
  for (int y = 0; y < std::min(rows, image.Height()); ++y)
    for (int x = 0; x < image.Width(); ++x) count += image.At(x, y) == grey;
  return count;
}

std::vector<Grab> ReadGrabs(const std::string& list, int rows, int& width) {
  std::ifstream in(list);
  const std::filesystem::path folder = std::filesystem::path(list).parent_path();
  std::vector<Grab> grabs;
  double ms;
  std::string file;
  while (in >> ms >> file) {
    const std::string path = (folder / file).string();
    const std::optional<bench::PpmImage> image = bench::PpmImage::Read(path);
    if (!image) Fail("not an 8-bit PPM: " + path);
    width = image->Width();
    Grab grab{ms, {}, CountKeyGrey(*image, rows)};
    for (const bench::OverlayLabel& label : kOverlayLabels)
      grab.labels.push_back(Tracked(label) ? Look(*image, label, rows) : Sighting{});
    grabs.push_back(std::move(grab));
  }
  if (grabs.size() < 3) Fail("fewer than three grabs in " + list);
  return grabs;
}

bool WellInside(const Sighting& seen, int width) {
  return seen.count > 0 && seen.left >= kMargin && seen.right < width - kMargin;
}

// The pixel count of every tracked text in the still grab.
std::vector<int> WholeCounts(const std::string& still, int rows) {
  const std::optional<bench::PpmImage> image = bench::PpmImage::Read(still);
  if (!image) Fail("not an 8-bit PPM: " + still);
  std::vector<int> whole;
  for (std::size_t i = 0; i < kOverlayLabels.size(); ++i) {
    if (!Tracked(kOverlayLabels[i])) {
      whole.push_back(0);
      continue;
    }
    whole.push_back(Look(*image, kOverlayLabels[i], rows).count);
    if (whole.back() == 0) Fail("label " + std::to_string(i + 1) + " is not in the still grab");
  }
  return whole;
}

class Analysis {
 public:
  Analysis(std::vector<Grab> grabs, int width, std::vector<int> whole)
      : grabs_(std::move(grabs)), width_(width), whole_(std::move(whole)) {}

  bool Seen(std::size_t grab, std::size_t label) const {
    return whole_[label] > 0 && grabs_[grab].labels[label].count >= kSeenFraction * whole_[label];
  }

  // The text must be on screen in grab `g` when the nearest grabs before and
  // after that show it put it well inside the screen with no wrap between:
  // it moves only left, and only a wrap takes it off the screen.
  bool ShouldShow(std::size_t g, std::size_t label) const {
    std::size_t before = g, after = g;
    while (before > 0 && !Seen(--before, label)) {}
    while (after + 1 < grabs_.size() && !Seen(++after, label)) {}
    if (before == g || after == g || !Seen(before, label) || !Seen(after, label)) return false;
    const Sighting& first = grabs_[before].labels[label];
    const Sighting& last = grabs_[after].labels[label];
    return grabs_[after].ms - grabs_[before].ms <= kMaxGapMs && last.left <= first.left &&
           last.left >= kMargin && first.right < width_ - kMargin;
  }

  // Grabs in which some text that should show has at least `low` and less
  // than `high` of its pixels, as fractions of the whole text.
  int GrabsShowing(double low, double high) const {
    int count = 0;
    for (std::size_t g = 0; g < grabs_.size(); ++g) {
      bool found = false;
      for (std::size_t i = 0; i < kOverlayLabels.size() && !found; ++i) {
        const int pixels = grabs_[g].labels[i].count;
        found = ShouldShow(g, i) && pixels >= low * whole_[i] && pixels < high * whole_[i];
      }
      count += found;
    }
    return count;
  }

  int TextsJudged() const {
    int count = 0;
    for (std::size_t g = 0; g < grabs_.size(); ++g)
      for (std::size_t i = 0; i < kOverlayLabels.size(); ++i) count += ShouldShow(g, i);
    return count;
  }

  // Grabs whose visible key grey adds up to at least half of the smallest text.
  int GrabsWithKeyGrey() const {
    int smallest = 0;
    for (int whole : whole_)
      if (whole > 0) smallest = smallest == 0 ? whole : std::min(smallest, whole);
    int count = 0;
    for (const Grab& grab : grabs_) count += smallest > 0 && 2 * grab.keyGrey >= smallest;
    return count;
  }

  // Pixels per second of the labels of one speed, from successive grabs that
  // show a text well inside the screen with no wrap between. A partly drawn
  // text's leftmost pixel is off by a stroke's width at most.
  std::optional<double> ScreenSpeed(int speed) const {
    double pixels = 0, ms = 0;
    for (std::size_t i = 0; i < kOverlayLabels.size(); ++i) {
      if (kOverlayLabels[i].speed != speed) continue;
      std::optional<std::size_t> previous;
      for (std::size_t g = 0; g < grabs_.size(); ++g) {
        const Sighting& seen = grabs_[g].labels[i];
        if (!Seen(g, i) || !WellInside(seen, width_)) continue;
        if (previous) {
          const Sighting& before = grabs_[*previous].labels[i];
          const double gap = grabs_[g].ms - grabs_[*previous].ms;
          if (seen.left <= before.left && gap <= kMaxGapMs) pixels += before.left - seen.left, ms += gap;
        }
        previous = g;
      }
    }
    if (ms <= 0) return std::nullopt;
    return pixels / (ms / 1000);
  }

  std::size_t GrabCount() const { return grabs_.size(); }

 private:
  std::vector<Grab> grabs_;
  int width_;
  std::vector<int> whole_;
};

void Print(const std::string& name, const std::string& label, double value, const char* unit,
           int decimals = 0) {
  std::printf("%s %s: %.*f %s\n", name.c_str(), label.c_str(), decimals, value, unit);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) Fail("usage: quillaro_bench_band_grabs NAME LIST ROWS STILL");
  const std::string name = argv[1];
  const int rows = std::atoi(argv[3]);
  int width = 0;
  std::vector<Grab> grabs = ReadGrabs(argv[2], rows, width);
  const Analysis analysis(std::move(grabs), width, WholeCounts(argv[4], rows));
  if (analysis.TextsJudged() == 0) Fail(name + ": no text was seen well inside the screen");
  Print(name, "grabs read", static_cast<double>(analysis.GrabCount()), "grabs");
  Print(name, "texts that should show, over all grabs", analysis.TextsJudged(), "texts");
  Print(name, "grabs missing a text (torn frames)", analysis.GrabsShowing(0, kSeenFraction), "grabs");
  Print(name, "grabs with a text partly drawn",
        analysis.GrabsShowing(kSeenFraction, kWholeFraction), "grabs");
  Print(name, "grabs showing a text's worth of key grey", analysis.GrabsWithKeyGrey(), "grabs");
  for (const int speed : bench::kSpeedClasses) {
    const std::optional<double> perSecond = analysis.ScreenSpeed(speed);
    const std::string what = "screen speed of the " + std::to_string(speed) + " px/tick labels";
    if (!perSecond) Fail(name + ": no two grabs showed a " + std::to_string(speed) + " px/tick text");
    Print(name, what, *perSecond, "px/s", 1);
    Print(name, what + " / nominal", *perSecond / bench::NominalPixelsPerSecond(speed), "x", 3);
  }
  return 0;
}
