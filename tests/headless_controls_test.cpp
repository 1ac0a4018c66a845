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

// A dialog with an edit, an OK and a Cancel button and no logic of its own.
class StubDialog : public ModalDialog {
 public:
  explicit StubDialog(int id) : id_(id) {}
  DialogTemplate Template() const override {
    return {id_,
            "Stub",
            {{7, ControlType::Edit, "start"},
             {1, ControlType::Button, "OK"},
             {2, ControlType::Button, "Отмена"}}};
  }
  void Initialise(DialogControls&) override {}

 private:
  int id_;
};

// Keeps its dialog open on OK while the edit is empty, and reports the typed text.
class AskingDialog : public ModalDialog {
 public:
  DialogTemplate Template() const override {
    return {200, "Ask", {{7, ControlType::Edit, ""}, {1, ControlType::Button, "OK"}}, 2};
  }
  void Initialise(DialogControls& controls) override {
    controls.Bind(1, [this, &controls] {
      typed = controls.Text(7);
      if (typed.isEmpty()) {
        controls.ShowMessage("Пусто");
        return;
      }
      controls.EndDialog(true);
    });
  }
  QString typed;
};

TEST(HeadlessControlsTest, DialogsRunQueuedScriptsOnTheirOwnControls) {
  HeadlessControls form;
  AskingDialog dialog;
  form.QueueDialogScript([](HeadlessControls& d) {
    EXPECT_TRUE(d.Click(1));  // empty edit: the message, the dialog stays open
    EXPECT_FALSE(d.Ended());
    d.SetText(7, "42");
    d.Click(1);
  });
  EXPECT_TRUE(form.RunModalDialog(dialog));
  EXPECT_EQ(dialog.typed, QStringLiteral("42"));
  EXPECT_EQ(form.Messages(), QStringList{"Пусто"});
  EXPECT_TRUE(form.Text(7).isEmpty());  // the dialog's ids are its own

  StubDialog stub(100);
  form.QueueDialogScript([](HeadlessControls& d) {
    EXPECT_EQ(d.Text(7), QStringLiteral("start"));
    d.PressEnter();  // the default button of the template is 1
  });
  EXPECT_TRUE(form.RunModalDialog(stub));
  form.QueueDialogScript([](HeadlessControls& d) { d.Click(2); });
  EXPECT_FALSE(form.RunModalDialog(stub));
}

TEST(HeadlessControlsTest, UserSelectionRunsTheListHandlerButCodeDoesNot) {
  HeadlessControls c;
  c.Define(5, ControlType::List);
  c.AppendListEntry(5, "a");
  c.AppendListEntry(5, "b");
  int runs = 0;
  c.Bind(5, [&runs] { ++runs; });
  c.SelectListEntry(5, 0);
  EXPECT_EQ(runs, 0);
  EXPECT_TRUE(c.SelectByUser(5, 1));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(c.SelectedIndex(5), 1);
}

TEST(HeadlessControlsTest, RecordsMessagesDialogsAndCaptionInOrder) {
  HeadlessControls c;
  c.ShowMessage("one");
  c.ShowMessage("two");
  EXPECT_EQ(c.Messages(), (QStringList{"one", "two"}));
  StubDialog first(100);
  StubDialog second(101);
  c.QueueDialogAnswer(true);
  EXPECT_TRUE(c.RunModalDialog(first));
  EXPECT_FALSE(c.RunModalDialog(second));  // nothing queued: cancelled
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
