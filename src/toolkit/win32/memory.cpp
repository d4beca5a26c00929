// The global allocation functions: running out of memory is a run-time error
// that names the number of bytes asked for.
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>

#include "toolkit/core/runtime_error.h"

namespace {

[[noreturn]] void ReportOutOfMemory(std::size_t size) {
  // Composed on the stack: the heap has just refused.
  char message[96];
  const std::string_view pattern = runtime_errors::OutOfMemory.text;
  const std::size_t at = pattern.find("%d");
  std::memcpy(message, pattern.data(), at);
  char* end = std::to_chars(message + at, message + 40, size).ptr;
  const std::string_view rest = pattern.substr(at + 2);
  std::memcpy(end, rest.data(), rest.size());
  end += rest.size();
  RaiseRuntimeError(runtime_errors::OutOfMemory.code,
                    std::string_view(message, static_cast<std::size_t>(end - message)));
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
