// Editing the lines by keyboard: nine lines are refused with the message
// box, a tenth line opens the overlay.
#include <string>

#include "e2e_fixture.h"
#include "x_input.h"

namespace e2e {
namespace {

std::string NumberedLines(int first, int last) {
  std::string text;
  for (int i = first; i <= last; ++i) text += (i > first ? "\n" : "") + ("line " + std::to_string(i));
  return text;
}

class TenLinesMessageTest : public EndToEndTest, public testing::WithParamInterface<const char*> {};

TEST_P(TenLinesMessageTest, NineTypedLinesShowTheMessageAndATenthOpensTheOverlay) {
  ASSERT_NO_FATAL_FAILURE(Launch(GetParam()));
  App().ClickIntoEditBox();
  ASSERT_NO_FATAL_FAILURE(GiveKeyboardTo(App().MainWindow()));
  PressKeys("ctrl+a");
  TypeText(NumberedLines(1, 9));
  App().ClickCentreOf(kStartButton);

  const auto box = WaitForWindowTitled(kMessageBoxTitle, kWaitBound);
  ASSERT_TRUE(box) << "no message box after Start with nine lines";
  EXPECT_EQ(WindowName(*box), kMessageBoxTitle);
  EXPECT_FALSE(App().FindOverlay()) << "the overlay opened for nine lines";
  ASSERT_NO_FATAL_FAILURE(DismissMessageBox(*box));

  App().ClickIntoEditBox();
  ASSERT_NO_FATAL_FAILURE(GiveKeyboardTo(App().MainWindow()));
  PressKeys("ctrl+End");
  TypeText("\n" + NumberedLines(10, 10));
  App().ClickCentreOf(kStartButton);
  const auto overlay = App().WaitForOverlay();
  ASSERT_TRUE(overlay) << "ten lines did not open the overlay";
  EXPECT_TRUE(VisibleWindowsTitled(kMessageBoxTitle).empty());

  // A plain Esc closes the overlay alone, if Start left it with the keyboard.
  ASSERT_NO_FATAL_FAILURE(GiveKeyboardTo(*overlay));
  PressKeys("Escape");
  ASSERT_TRUE(App().WaitUntilOverlayGone());
  CloseMainWindowWithEsc();
}

INSTANTIATE_TEST_SUITE_P(Languages, TenLinesMessageTest,
                         testing::Values(kChineseLang, kWesternLang),
                         [](const auto& info) {
                           return std::string(info.param == kChineseLang ? "Chinese" : "Western");
                         });

}  // namespace
}  // namespace e2e
