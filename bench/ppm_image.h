#pragma once
// A screen grab as ImageMagick's `import ... ppm:FILE` writes it: binary PPM
// (P6), 8 bits a channel.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Rgb {
  std::uint8_t red, green, blue;
  bool operator==(const Rgb&) const = default;
};

class PpmImage {
 public:
  // Empty when the file is missing or is not an 8-bit binary PPM.
  static std::optional<PpmImage> Read(const std::string& path);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const {
    const std::size_t i = 3 * (static_cast<std::size_t>(y) * width_ + x);
    return {bytes_[i], bytes_[i + 1], bytes_[i + 2]};
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::uint8_t> bytes_;
};

}  // namespace bench
