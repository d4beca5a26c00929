#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "x_windows.h"

namespace e2e {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

class Image {
 public:
  Image() = default;
  Image(int width, int height, std::vector<uint8_t> pixels);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const;
  Image Crop(const Rect& area) const;
  // The x of every pixel of exactly `colour` in rows top .. top + height - 1.
  std::vector<int> ColumnsOf(Rgb colour, int top, int height) const;
  // Writes a binary PPM, for a look at what a failed test saw.
  void Save(const std::string& path) const;
  bool operator==(const Image&) const = default;

 private:
  int width_ = 0, height_ = 0;
  std::vector<uint8_t> pixels_;  // RGB, row by row
};

// The whole screen, as ImageMagick's import reads it from the root window.
Image TakeScreenshot();
// Parses a binary (P6) PPM with 8-bit samples.
Image ParsePpm(const std::string& data);

}  // namespace e2e
