#include "toolkit/core/text_split.h"

TextArray SplitText(std::string_view text, std::string_view delimiter,
                    std::optional<std::size_t> maxPieces) {
  TextArray pieces;
  if (maxPieces && *maxPieces == 0) return pieces;
  const std::size_t n = text.size();
  const std::size_t d = delimiter.size();
  std::size_t pieceStart = 0;
  std::size_t pos = 0;
  while (d > 0 && n - pos >= d) {
    if (text.compare(pos, d, delimiter) == 0) {
      pieces.emplace_back(text.substr(pieceStart, pos - pieceStart));
      if (maxPieces && pieces.size() == *maxPieces) return pieces;
      pos += d;
      pieceStart = pos;
    } else if (static_cast<unsigned char>(text[pos]) >= 0x80) {
      pos = pos + 2 < n ? pos + 2 : n;
    } else {
      pos += 1;
    }
  }
  if (pieceStart < n) pieces.emplace_back(text.substr(pieceStart));
  return pieces;
}
