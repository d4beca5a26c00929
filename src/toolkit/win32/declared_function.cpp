#include "toolkit/win32/declared_function.h"

#include <cstdio>
#include <string>

#include "toolkit/core/runtime_error.h"

namespace toolkit {

void* ResolveDeclaredFunction(const char* dll, const char* function) {
  const HMODULE module = LoadLibraryA(dll);
  void* address = module ? reinterpret_cast<void*>(GetProcAddress(module, function)) : nullptr;
  if (!address) {
    std::string message = runtime_errors::DeclaredFunctionMissing.text;
    // The table's text holds two %s: the DLL's file name, then the function's name.
    message.replace(message.find("%s"), 2, dll);
    message.replace(message.find("%s"), 2, function);
    RaiseRuntimeError(runtime_errors::DeclaredFunctionMissing.code, message);
  }
  return address;
}

}  // namespace toolkit
