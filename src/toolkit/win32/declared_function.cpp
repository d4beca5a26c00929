#include "toolkit/win32/declared_function.h"

#include "toolkit/core/runtime_error.h"

namespace toolkit {

void* ResolveDeclaredFunction(const char* dll, const char* function) {
  const HMODULE module = LoadLibraryA(dll);
  void* address = module ? reinterpret_cast<void*>(GetProcAddress(module, function)) : nullptr;
  if (!address) {
    // The table's text names the DLL's file name, then the function's name.
    char message[1024];
    RaiseRuntimeError(runtime_errors::DeclaredFunctionMissing.code,
                      FillErrorText(message, runtime_errors::DeclaredFunctionMissing.text,
                                    {dll, function}));
  }
  return address;
}

}  // namespace toolkit
