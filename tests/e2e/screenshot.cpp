#include "screenshot.h"

#include <cctype>
#include <fstream>
#include <stdexcept>

#include "child_process.h"

namespace e2e {
namespace {

// PPM header tokens are separated by white space; '#' starts a comment.
int NextHeaderNumber(const std::string& data, size_t& at) {
  for (;;) {
    while (at < data.size() && std::isspace(static_cast<unsigned char>(data[at]))) ++at;
    if (at >= data.size() || data[at] != '#') break;
    while (at < data.size() && data[at] != '\n') ++at;
  }
  size_t digits = 0;
  const int value = std::stoi(data.substr(at, 12), &digits);
  at += digits;
  return value;
}

}  // namespace

Image::Image(int width, int height, std::vector<uint8_t> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {}

Rgb Image::At(int x, int y) const {
  const size_t i = (static_cast<size_t>(y) * width_ + x) * 3;
  return {pixels_[i], pixels_[i + 1], pixels_[i + 2]};
}

Image Image::Crop(const Rect& area) const {
  std::vector<uint8_t> cropped;
  for (int y = area.y; y < area.y + area.height; ++y) {
    const auto row = pixels_.begin() + (static_cast<size_t>(y) * width_ + area.x) * 3;
    cropped.insert(cropped.end(), row, row + area.width * 3);
  }
  return Image(area.width, area.height, std::move(cropped));
}

std::vector<int> Image::ColumnsOf(Rgb colour, int top, int height) const {
  std::vector<int> columns;
  for (int y = top; y < top + height && y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (At(x, y) == colour) columns.push_back(x);
    }
  }
  return columns;
}

void Image::Save(const std::string& path) const {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << width_ << ' ' << height_ << "\n255\n";
  out.write(reinterpret_cast<const char*>(pixels_.data()), static_cast<std::streamsize>(pixels_.size()));
}

Image ParsePpm(const std::string& data) {
  if (data.compare(0, 2, "P6") != 0) throw std::runtime_error("not a binary PPM");
  size_t at = 2;
  const int width = NextHeaderNumber(data, at);
  const int height = NextHeaderNumber(data, at);
  if (NextHeaderNumber(data, at) != 255) throw std::runtime_error("PPM is not 8 bits a sample");
  ++at;  // the single white-space character before the samples
  const size_t size = static_cast<size_t>(width) * height * 3;
  if (data.size() < at + size) throw std::runtime_error("PPM is cut short");
  return Image(width, height, std::vector<uint8_t>(data.begin() + at, data.begin() + at + size));
}

Image TakeScreenshot() {
  const CommandResult shot = RunCommand({"/usr/bin/import", "-window", "root", "-depth", "8", "ppm:-"});
  if (shot.exitCode != 0) throw std::runtime_error("import could not read the screen");
  return ParsePpm(shot.output);
}

}  // namespace e2e
