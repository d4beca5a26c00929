#pragma once
// Cutting a code-page-936 text into pieces at a delimiter.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An ordered list of texts; the program indexes it from 1.
using TextArray = std::vector<std::string>;

// Cuts `text` at every `delimiter`. The delimiter is only recognised at the
// start of a character: a byte of 0x80 or above begins a two-byte character
// and takes the byte after it along, whatever that byte is. A text that ends
// with the delimiter adds no empty last piece. With `maxPieces`, at most that
// many pieces are returned and the rest of the text is dropped.
TextArray SplitText(std::string_view text, std::string_view delimiter,
                    std::optional<std::size_t> maxPieces = std::nullopt);
