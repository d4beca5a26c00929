// The shipped file itself: a hardened GUI exe that needs no DLL beyond
// Windows' own and carries the program's icon.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "child_process.h"
#include "quillaro_app.h"

namespace e2e {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::set<std::string> ImportedDlls(const std::string& headers) {
  std::set<std::string> dlls;
  const std::regex dllName(R"(DLL Name: (\S+))");
  for (std::sregex_iterator it(headers.begin(), headers.end(), dllName), end; it != end; ++it) {
    dlls.insert(Lower((*it)[1]));
  }
  return dlls;
}

bool IsWindowsOwnDll(const std::string& dll) {
  static const std::set<std::string> system{"kernel32.dll", "user32.dll", "gdi32.dll",
                                            "advapi32.dll", "msvcrt.dll", "shell32.dll",
                                            "comctl32.dll", "ntdll.dll",  "ucrtbase.dll"};
  return system.contains(dll) || dll.starts_with("api-ms-win-crt-");
}

class ExecutableTest : public testing::Test {
 protected:
  void SetUp() override {
    // objdump speaks the locale's language; the checks read its English words.
    const CommandResult dump =
        RunCommand({"env", "LC_ALL=C", "x86_64-w64-mingw32-objdump", "-p", ExePath()});
    ASSERT_EQ(dump.exitCode, 0) << "objdump could not read " << ExePath();
    headers_ = dump.output;
  }
  std::string headers_;
};

TEST_F(ExecutableTest, IsAnX64GuiProgramWithAslrHighEntropyAndDep) {
  EXPECT_NE(headers_.find("file format pei-x86-64"), std::string::npos);
  EXPECT_TRUE(std::regex_search(headers_, std::regex(R"(Subsystem\s+00000002)")))
      << "not the Windows GUI subsystem";
  for (const char* flag : {"HIGH_ENTROPY_VA", "DYNAMIC_BASE", "NX_COMPAT"}) {
    EXPECT_NE(headers_.find(flag), std::string::npos) << flag << " is not set";
  }
}

TEST_F(ExecutableTest, ImportsOnlyWindowsOwnDlls) {
  const auto dlls = ImportedDlls(headers_);
  EXPECT_TRUE(dlls.contains("user32.dll"));
  for (const auto& dll : dlls) EXPECT_TRUE(IsWindowsOwnDll(dll)) << "imports " << dll;
}

TEST_F(ExecutableTest, CarriesTheIconAt48By48With32Bits) {
  const CommandResult check = RunCommand(
      {"/usr/bin/python3", ToolsDir() + "/pe_resources.py", ExePath(), "--check-icon", "48", "32"});
  EXPECT_EQ(check.exitCode, 0) << check.output;
}

// The function is looked up by name at run time, so only its name shows.
TEST_F(ExecutableTest, NamesSetDefaultDllDirectories) {
  std::ifstream file(ExePath(), std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), {}};
  EXPECT_NE(bytes.find("SetDefaultDllDirectories"), std::string::npos);
}

}  // namespace
}  // namespace e2e
