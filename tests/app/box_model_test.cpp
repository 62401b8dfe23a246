#include "app/box_model.h"

#include <gtest/gtest.h>

namespace app {
namespace {

using screen::BoxAnswer;

const BoxRequest kErrorBox{BoxButtons::yes_no, "Unhandled Error #5", "Line: 12\nIllegal function call\nContinue?"};
const BoxRequest kCriticalBox{BoxButtons::ok, "Critical Error #4", "Out of memory"};

struct KeyCase {
  const char* name;
  BoxButtons buttons;
  std::vector<BoxKey> keys;  // all but the last leave the box open
  std::optional<BoxAnswer> answer;
};

class BoxKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(BoxKeys, DecideTheBoxAsTheKeyboardSays) {
  const KeyCase& c = GetParam();
  BoxModel model(c.buttons == BoxButtons::yes_no ? kErrorBox : kCriticalBox);
  for (std::size_t i = 0; i + 1 < c.keys.size(); ++i) ASSERT_EQ(model.key(c.keys[i]), std::nullopt);
  EXPECT_EQ(model.key(c.keys.back()), c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, BoxKeys,
    testing::Values(KeyCase{"enter_takes_yes_first", BoxButtons::yes_no, {BoxKey::activate}, BoxAnswer::yes},
                    KeyCase{"escape_is_no", BoxButtons::yes_no, {BoxKey::cancel}, BoxAnswer::no},
                    KeyCase{"y_is_yes", BoxButtons::yes_no, {BoxKey::next, BoxKey::yes_letter}, BoxAnswer::yes},
                    KeyCase{"n_is_no", BoxButtons::yes_no, {BoxKey::no_letter}, BoxAnswer::no},
                    KeyCase{"tab_then_enter_is_no", BoxButtons::yes_no, {BoxKey::next, BoxKey::activate}, BoxAnswer::no},
                    KeyCase{"tab_twice_wraps_to_yes", BoxButtons::yes_no,
                            {BoxKey::next, BoxKey::next, BoxKey::activate}, BoxAnswer::yes},
                    KeyCase{"back_from_yes_wraps_to_no", BoxButtons::yes_no, {BoxKey::previous, BoxKey::activate},
                            BoxAnswer::no},
                    KeyCase{"other_key_decides_nothing", BoxButtons::yes_no, {BoxKey::other}, std::nullopt},
                    KeyCase{"ok_by_enter", BoxButtons::ok, {BoxKey::activate}, BoxAnswer::yes},
                    KeyCase{"ok_by_escape", BoxButtons::ok, {BoxKey::cancel}, BoxAnswer::yes},
                    KeyCase{"ok_ignores_letters", BoxButtons::ok, {BoxKey::yes_letter, BoxKey::no_letter}, std::nullopt},
                    KeyCase{"ok_tab_stays", BoxButtons::ok, {BoxKey::next, BoxKey::activate}, BoxAnswer::yes}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

Rect button(const BoxModel& model, const std::string& label) {
  for (const BoxButton& b : model.buttons()) {
    if (b.label == label) return b.rect;
  }
  ADD_FAILURE() << "no button " << label;
  return {};
}

TEST(BoxModel, TheErrorBoxHasYesAndNoAndItsTextLines) {
  BoxModel model(kErrorBox);
  ASSERT_EQ(model.buttons().size(), 2U);
  EXPECT_EQ(model.buttons()[0].label, "Yes");
  EXPECT_EQ(model.buttons()[1].label, "No");
  EXPECT_EQ(model.lines(), (std::vector<std::string>{"Line: 12", "Illegal function call", "Continue?"}));
  BoxModel critical(kCriticalBox);
  ASSERT_EQ(critical.buttons().size(), 1U);
  EXPECT_EQ(critical.buttons()[0].label, "OK");
}

TEST(BoxModel, ButtonsLieInsideTheBoxBelowTheTextWithoutOverlapping) {
  BoxModel model(kErrorBox);
  const Rect yes = button(model, "Yes");
  const Rect no = button(model, "No");
  EXPECT_GE(yes.x, 0);
  EXPECT_LE(no.x + no.width, model.size().width);
  EXPECT_LE(yes.x + yes.width, no.x);
  EXPECT_LE(yes.y + yes.height, model.size().height);
  EXPECT_GT(yes.y, 3 * 16);  // below three text lines of 16 pixels
}

TEST(BoxModel, ALongTextWidensTheBoxAndAVeryLongLineIsBroken) {
  BoxModel narrow(kCriticalBox);
  BoxModel wide({BoxButtons::ok, "Alert", std::string(60, 'x')});
  EXPECT_GE(wide.size().width, 60 * 8);
  EXPECT_GT(wide.size().width, narrow.size().width);
  BoxModel broken({BoxButtons::ok, "Alert", std::string(200, 'x')});
  EXPECT_EQ(broken.lines().size(), 3U);
  EXPECT_LT(broken.size().width, 200 * 8);
}

TEST(BoxModel, AClickDecidesOnlyWhenPressAndReleaseFallOnTheSameButton) {
  BoxModel model(kErrorBox);
  const Rect yes = button(model, "Yes");
  const Rect no = button(model, "No");
  model.mouse_down(no.x + 1, no.y + 1);
  EXPECT_EQ(model.mouse_up(no.x + no.width - 1, no.y + no.height - 1), BoxAnswer::no);

  model.mouse_down(yes.x + 2, yes.y + 2);
  EXPECT_EQ(model.mouse_up(no.x + 2, no.y + 2), std::nullopt);  // dragged off
  EXPECT_EQ(model.mouse_up(yes.x + 2, yes.y + 2), std::nullopt);  // release without press
  model.mouse_down(0, 0);                                       // outside the buttons
  EXPECT_EQ(model.mouse_up(0, 0), std::nullopt);
  model.mouse_down(yes.x + yes.width, yes.y);                   // just right of Yes
  EXPECT_EQ(model.mouse_up(yes.x + yes.width, yes.y), std::nullopt);
}

TEST(BoxModel, TheWindowsCloseButtonClosesOnlyAnOkBox) {
  BoxModel error(kErrorBox);
  EXPECT_EQ(error.close(), std::nullopt);
  BoxModel critical(kCriticalBox);
  EXPECT_EQ(critical.close(), BoxAnswer::yes);
}

TEST(BoxModel, RenderingFillsTheBoxAndShowsWhereTheFocusIs) {
  BoxModel model(kErrorBox);
  const std::vector<std::uint32_t> before = model.render();
  ASSERT_EQ(before.size(), static_cast<std::size_t>(model.size().width * model.size().height));
  model.key(BoxKey::next);
  const std::vector<std::uint32_t> after = model.render();
  const Rect no = button(model, "No");
  bool no_changed = false;
  for (int y = no.y; y < no.y + no.height; ++y) {
    for (int x = no.x; x < no.x + no.width; ++x) {
      const auto i = static_cast<std::size_t>(y * model.size().width + x);
      no_changed = no_changed || before[i] != after[i];
    }
  }
  EXPECT_TRUE(no_changed);
}

}  // namespace
}  // namespace app
