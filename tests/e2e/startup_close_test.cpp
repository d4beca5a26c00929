// Start-up and a close as a user does it, under both ANSI code pages.
#include <ostream>
#include <string>

#include "e2e_fixture.h"
#include "x_input.h"

namespace e2e {
namespace {

enum class CloseWay { CloseBox, AltF4 };

struct StartupCase {
  const char* name;
  const char* lang;
  CloseWay closeWay;
};

void PrintTo(const StartupCase& c, std::ostream* out) { *out << c.name; }

void Close(CloseWay way) {
  // The close box is the right-most caption button: 16 pixels wide, ending
  // 5 pixels inside the window's right edge.
  if (way == CloseWay::CloseBox) ClickAt(kMainWindowRect.x + kMainWindowRect.width - 13, kMainWindowRect.y + 11);
  if (way == CloseWay::AltF4) PressKeys("alt+F4");
}

class StartupAndCloseTest : public EndToEndTest,
                            public testing::WithParamInterface<StartupCase> {};

TEST_P(StartupAndCloseTest, OpensMainWindowInPlaceAndEndsWithExitCodeZeroWhenClosed) {
  ASSERT_NO_FATAL_FAILURE(Launch(GetParam().lang));
  EXPECT_EQ(WindowName(App().MainWindow()), kMainWindowTitle);
  EXPECT_EQ(WindowGeometry(App().MainWindow()), kMainWindowRect);
  ASSERT_TRUE(App().WaitForMainWindowActive(true)) << "MainWindow opened without the keyboard";
  ASSERT_NO_FATAL_FAILURE(GiveKeyboardTo(App().MainWindow()));
  Close(GetParam().closeWay);
  ExpectExitCodeZeroAndNoWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupAndCloseTest,
    testing::Values(StartupCase{"ChineseCloseBox", kChineseLang, CloseWay::CloseBox},
                    StartupCase{"ChineseAltF4", kChineseLang, CloseWay::AltF4},
                    StartupCase{"WesternCloseBox", kWesternLang, CloseWay::CloseBox}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
