#pragma once
// A system function that the program declares by DLL file name and function
// name, resolved at its first call and kept for the later ones. When it
// cannot be found, the run-time error names the DLL and the function.
#include <windows.h>

namespace toolkit {
void* ResolveDeclaredFunction(const char* dll, const char* function);
}  // namespace toolkit

template <class Signature>
class DeclaredFunction;

template <class Result, class... Args>
class DeclaredFunction<Result(Args...)> {
 public:
  constexpr DeclaredFunction(const char* dll, const char* function)
      : dll_(dll), function_(function) {}

  Result operator()(Args... args) {
    if (!address_)
      address_ = reinterpret_cast<Pointer>(toolkit::ResolveDeclaredFunction(dll_, function_));
    return address_(args...);
  }

 private:
  using Pointer = Result(WINAPI*)(Args...);
  const char* dll_;
  const char* function_;
  Pointer address_ = nullptr;
};
