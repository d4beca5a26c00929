// The global allocation functions: running out of memory is a run-time error
// that names the number of bytes asked for.
#include <charconv>
#include <cstdlib>
#include <new>
#include <string_view>

#include "toolkit/core/runtime_error.h"

namespace {

[[noreturn]] void ReportOutOfMemory(std::size_t size) {
  // Composed on the stack: the heap has just refused.
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, size).ptr;
  char message[160];
  RaiseRuntimeError(runtime_errors::OutOfMemory.code,
                    FillErrorText(message, runtime_errors::OutOfMemory.text,
                                  {std::string_view(digits, static_cast<std::size_t>(end - digits))}));
}

void* Allocate(std::size_t size) {
  if (void* block = std::malloc(size ? size : 1)) return block;
  ReportOutOfMemory(size);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size ? size : 1);
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
