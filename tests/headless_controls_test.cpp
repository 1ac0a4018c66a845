#include "platform/headless_controls.h"

#include <gtest/gtest.h>

namespace selvio {
namespace {

TEST(HeadlessControlsTest, ClickOnRadioChecksItAndUnchecksItsGroupOnly) {
  HeadlessControls c;
  c.DefineRadioGroup({1, 2, 3});
  c.DefineRadioGroup({4, 5});
  c.SetChecked(1, true);
  c.SetChecked(4, true);
  int clicks = 0;
  c.Bind(2, [&] { ++clicks; });
  EXPECT_TRUE(c.Click(2));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(c.IsChecked(1));
  EXPECT_TRUE(c.IsChecked(2));
  EXPECT_TRUE(c.IsChecked(4));  // another group
}

TEST(HeadlessControlsTest, LogicChecksRadiosOneByOne) {
  HeadlessControls c;
  c.DefineRadioGroup({1, 2});
  c.SetChecked(1, true);
  c.SetChecked(2, true);
  EXPECT_TRUE(c.IsChecked(1));
  EXPECT_TRUE(c.IsChecked(2));
}

TEST(HeadlessControlsTest, CheckBoxClickToggles) {
  HeadlessControls c;
  c.Define(7, ControlType::CheckBox);
  EXPECT_FALSE(c.Click(7));  // no handler bound, state still changes
  EXPECT_TRUE(c.IsChecked(7));
  c.Click(7);
  EXPECT_FALSE(c.IsChecked(7));
}

TEST(HeadlessControlsTest, HiddenOrDisabledControlIgnoresClicks) {
  HeadlessControls c;
  c.Define(9, ControlType::Button);
  int clicks = 0;
  c.Bind(9, [&] { ++clicks; });
  c.Enable(9, false);
  EXPECT_FALSE(c.Click(9));
  c.Enable(9, true);
  c.Show(9, false);
  EXPECT_FALSE(c.Click(9));
  EXPECT_EQ(clicks, 0);
}

TEST(HeadlessControlsTest, ListsKeepAppendOrderAndRefuseMissingIndex) {
  HeadlessControls c;
  c.AppendListEntry(5, "b");
  c.AppendListEntry(5, "a");
  EXPECT_EQ(c.ListEntries(5), (QStringList{"b", "a"}));
  EXPECT_EQ(c.SelectedIndex(5), -1);
  c.SelectListEntry(5, 1);
  EXPECT_EQ(c.SelectedIndex(5), 1);
  c.SelectListEntry(5, 2);
  EXPECT_EQ(c.SelectedIndex(5), -1);
  c.SelectListEntry(5, 0);
  c.ClearList(5);
  EXPECT_EQ(c.SelectedIndex(5), -1);
  EXPECT_TRUE(c.ListEntries(5).isEmpty());
}

TEST(HeadlessControlsTest, RecordsMessagesDialogsAndCaptionInOrder) {
  HeadlessControls c;
  c.ShowMessage("one");
  c.ShowMessage("two");
  EXPECT_EQ(c.Messages(), (QStringList{"one", "two"}));
  c.QueueDialogAnswer(true);
  EXPECT_TRUE(c.RunModalDialog(100));
  EXPECT_FALSE(c.RunModalDialog(101));  // nothing queued: cancelled
  EXPECT_EQ(c.DialogsRun(), (std::vector<int>{100, 101}));
  c.QueueFileAnswer(QStringLiteral("/tmp/a.crp"));
  c.QueueFileAnswer(std::nullopt);
  EXPECT_EQ(c.ChooseFileToOpen({}), QStringLiteral("/tmp/a.crp"));
  EXPECT_EQ(c.ChooseFileToSave({}), std::nullopt);
  EXPECT_EQ(c.FileDialogsShown().size(), 2u);
  c.SetCaption("Подбор");
  EXPECT_EQ(c.Caption(), QStringLiteral("Подбор"));
}

TEST(HeadlessControlsTest, UndeclaredControlStartsShownEnabledAndEmpty) {
  HeadlessControls c;
  EXPECT_TRUE(c.IsShown(1234));
  EXPECT_TRUE(c.IsEnabled(1234));
  EXPECT_FALSE(c.IsChecked(1234));
  EXPECT_TRUE(c.Text(1234).isEmpty());
}

}  // namespace
}  // namespace selvio
