// Off Windows there is no error box: the text goes to stderr instead.
#include <cstdio>
#include <cstdlib>

#include "toolkit/core/exit_routines.h"
#include "toolkit/core/runtime_error.h"

void ShowRuntimeErrorAndExit(int code, std::string_view message) {
  DropExitRoutines();
  const std::string text = ComposeErrorBoxText(code, message);
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
  std::_Exit(-1);
}
