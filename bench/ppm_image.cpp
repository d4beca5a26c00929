#include "ppm_image.h"

#include <fstream>

namespace bench {
namespace {

// The next header number, skipping white space and # comments.
bool ReadNumber(std::istream& in, int& number) {
  for (;;) {
    in >> std::ws;
    if (in.peek() != '#') break;
    std::string comment;
    std::getline(in, comment);
  }
  return static_cast<bool>(in >> number);
}

}  // namespace

std::optional<PpmImage> PpmImage::Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  PpmImage image;
  int maxValue = 0;
  if (!(in >> magic) || magic != "P6" || !ReadNumber(in, image.width_) ||
      !ReadNumber(in, image.height_) || !ReadNumber(in, maxValue) || maxValue != 255 ||
      image.width_ <= 0 || image.height_ <= 0)
    return std::nullopt;
  in.get();  // the one white-space byte before the pixels
  image.bytes_.resize(3 * static_cast<std::size_t>(image.width_) * image.height_);
  if (!in.read(reinterpret_cast<char*>(image.bytes_.data()),
               static_cast<std::streamsize>(image.bytes_.size())))
    return std::nullopt;
  return image;
}

}  // namespace bench
