// The operations the form's logic relies on, pinned once and run over both implementations:
// the in-memory HeadlessControls and QtControls on real widgets (offscreen).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <map>

#include "platform/headless_controls.h"
#include "platform/qt/qt_controls.h"
#include "qt_test_application.h"

namespace selvio::test {
namespace {

// What a test needs of one implementation: declaring controls and acting as the user.
class HeadlessSide {
 public:
  FormControls& Controls() { return controls_; }
  void Define(int id, ControlType kind, const QString& text = {}) {
    controls_.Define(id, kind, text);
  }
  void DefineRadioGroup(const std::vector<int>& ids) { controls_.DefineRadioGroup(ids); }
  void UserClick(int id) { controls_.Click(id); }
  // The user picks the first entry of a list that has no selection.
  void UserSelectFirst(int id) { controls_.SelectByUser(id, 0); }
  bool IsShown(int id) const { return controls_.IsShown(id); }
  bool IsEnabled(int id) const { return controls_.IsEnabled(id); }
  QStringList Entries(int id) const { return controls_.ListEntries(id); }

 private:
  HeadlessControls controls_;
};

class QtSide : WithTestApplication {
 public:
  QtSide() : controls_(&window_) { window_.resize(400, 400); }
  FormControls& Controls() { return controls_; }
  void Define(int id, ControlType kind, const QString& text = {}) {
    QWidget* widget = controls_.Create(id, kind, text, &window_);
    widget->move(0, 30 * static_cast<int>(count_++));
    widget->resize(200, 25);
    widget->show();
    if (kind == ControlType::Picture) static_cast<QLabel*>(widget)->setText(QStringLiteral("P"));
    window_.show();
  }
  void DefineRadioGroup(const std::vector<int>& ids) { controls_.DefineRadioGroup(ids); }
  void UserClick(int id) {
    QWidget* widget = controls_.Widget(id);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(5, widget->height() / 2));
  }
  void UserSelectFirst(int id) {
    QWidget* widget = controls_.Widget(id);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Home);
  }
  bool IsShown(int id) const { return !controls_.Widget(id)->isHidden(); }
  bool IsEnabled(int id) const { return controls_.Widget(id)->isEnabled(); }
  QStringList Entries(int id) const {
    QStringList entries;
    auto* combo = qobject_cast<QComboBox*>(controls_.Widget(id));
    for (int i = 0; combo && i < combo->count(); ++i) entries << combo->itemText(i);
    return entries;
  }

 private:
  QWidget window_;
  QtControls controls_;
  unsigned count_ = 0;
};

template <typename Side>
class FormControlsConformance : public ::testing::Test {
 protected:
  // Binds a handler to `id` that counts its runs.
  void Count(int id) {
    side_.Controls().Bind(id, [this, id] { ++runs_[id]; });
  }
  int Runs(int id) { return runs_[id]; }

  Side side_;
  std::map<int, int> runs_;
};

using Sides = ::testing::Types<HeadlessSide, QtSide>;
TYPED_TEST_SUITE(FormControlsConformance, Sides);

constexpr int kRadioA = 1000;
constexpr int kRadioB = 1001;
constexpr int kRadioC = 1002;
constexpr int kCheck = 1021;
constexpr int kEdit = 1010;
constexpr int kList = 1019;
constexpr int kLabel = 1085;
constexpr int kButton = 1072;
constexpr int kPicture = 1130;

TYPED_TEST(FormControlsConformance, ShowHideEnableDisable) {
  this->side_.Define(kButton, ControlType::Button, QStringLiteral("Go"));
  FormControls& c = this->side_.Controls();
  c.Show(kButton, false);
  EXPECT_FALSE(this->side_.IsShown(kButton));
  c.Show(kButton, true);
  EXPECT_TRUE(this->side_.IsShown(kButton));
  c.Enable(kButton, false);
  EXPECT_FALSE(this->side_.IsEnabled(kButton));
  c.Enable(kButton, true);
  EXPECT_TRUE(this->side_.IsEnabled(kButton));
}

TYPED_TEST(FormControlsConformance, CodeChecksAndUnchecksEachRadioOnItsOwn) {
  this->side_.Define(kRadioA, ControlType::Radio, QStringLiteral("A"));
  this->side_.Define(kRadioB, ControlType::Radio, QStringLiteral("B"));
  this->side_.DefineRadioGroup({kRadioA, kRadioB});
  FormControls& c = this->side_.Controls();
  c.SetChecked(kRadioA, true);
  c.SetChecked(kRadioB, true);
  EXPECT_TRUE(c.IsChecked(kRadioA)) << "checking B from code must leave A checked";
  EXPECT_TRUE(c.IsChecked(kRadioB));
  c.SetChecked(kRadioA, false);
  EXPECT_FALSE(c.IsChecked(kRadioA)) << "a checked radio must be uncheckable from code";
  EXPECT_TRUE(c.IsChecked(kRadioB));
}

TYPED_TEST(FormControlsConformance, UserClickOnRadioUnchecksItsGroupAndRunsItsHandler) {
  for (int id : {kRadioA, kRadioB, kRadioC}) this->side_.Define(id, ControlType::Radio, "R");
  this->side_.DefineRadioGroup({kRadioA, kRadioB, kRadioC});
  FormControls& c = this->side_.Controls();
  c.SetChecked(kRadioA, true);
  c.SetChecked(kRadioB, true);
  this->Count(kRadioC);
  this->side_.UserClick(kRadioC);
  EXPECT_FALSE(c.IsChecked(kRadioA));
  EXPECT_FALSE(c.IsChecked(kRadioB));
  EXPECT_TRUE(c.IsChecked(kRadioC));
  EXPECT_EQ(this->Runs(kRadioC), 1);
  this->side_.UserClick(kRadioC);
  EXPECT_TRUE(c.IsChecked(kRadioC)) << "a click on a checked radio keeps it checked";
  EXPECT_EQ(this->Runs(kRadioC), 2);
}

TYPED_TEST(FormControlsConformance, UserClickTogglesCheckBox) {
  this->side_.Define(kCheck, ControlType::CheckBox, QStringLiteral("K"));
  this->Count(kCheck);
  this->side_.UserClick(kCheck);
  EXPECT_TRUE(this->side_.Controls().IsChecked(kCheck));
  this->side_.UserClick(kCheck);
  EXPECT_FALSE(this->side_.Controls().IsChecked(kCheck));
  EXPECT_EQ(this->Runs(kCheck), 2);
}

TYPED_TEST(FormControlsConformance, UserClicksOnButtonsAndPicturesRunTheirHandlers) {
  this->side_.Define(kButton, ControlType::Button, QStringLiteral("Go"));
  this->side_.Define(kPicture, ControlType::Picture);
  this->Count(kButton);
  this->Count(kPicture);
  this->side_.UserClick(kButton);
  this->side_.UserClick(kPicture);
  EXPECT_EQ(this->Runs(kButton), 1);
  EXPECT_EQ(this->Runs(kPicture), 1);
}

TYPED_TEST(FormControlsConformance, DisabledControlIgnoresUserClick) {
  this->side_.Define(kRadioA, ControlType::Radio, QStringLiteral("A"));
  this->side_.Define(kButton, ControlType::Button, QStringLiteral("Go"));
  this->Count(kRadioA);
  this->Count(kButton);
  this->side_.Controls().Enable(kRadioA, false);
  this->side_.Controls().Enable(kButton, false);
  this->side_.UserClick(kRadioA);
  this->side_.UserClick(kButton);
  EXPECT_FALSE(this->side_.Controls().IsChecked(kRadioA));
  EXPECT_EQ(this->Runs(kRadioA), 0);
  EXPECT_EQ(this->Runs(kButton), 0);
}

TYPED_TEST(FormControlsConformance, ChangesFromCodeRunNoHandler) {
  this->side_.Define(kRadioA, ControlType::Radio, QStringLiteral("A"));
  this->side_.Define(kCheck, ControlType::CheckBox, QStringLiteral("K"));
  this->side_.Define(kEdit, ControlType::Edit);
  this->side_.Define(kList, ControlType::List);
  this->side_.Define(kButton, ControlType::Button, QStringLiteral("Go"));
  for (int id : {kRadioA, kCheck, kEdit, kList, kButton}) this->Count(id);
  FormControls& c = this->side_.Controls();
  c.SetChecked(kRadioA, true);
  c.SetChecked(kRadioA, false);
  c.SetChecked(kCheck, true);
  c.SetText(kEdit, QStringLiteral("5"));
  c.SetText(kButton, QStringLiteral("Stop"));
  c.AppendListEntry(kList, QStringLiteral("a"));
  c.AppendListEntry(kList, QStringLiteral("b"));
  c.SelectListEntry(kList, 1);
  c.SelectListEntry(kList, 0);
  c.ClearList(kList);
  for (int id : {kRadioA, kCheck, kEdit, kList, kButton}) EXPECT_EQ(this->Runs(id), 0) << id;
}

TYPED_TEST(FormControlsConformance, ListKeepsNoSelectionUntilTold) {
  this->side_.Define(kList, ControlType::List);
  FormControls& c = this->side_.Controls();
  EXPECT_EQ(c.SelectedIndex(kList), -1);
  for (const char* entry : {"м³/ч", "л/ч", "л/с"})
    c.AppendListEntry(kList, QString::fromUtf8(entry));
  EXPECT_EQ(c.SelectedIndex(kList), -1) << "appending selects nothing";
  EXPECT_EQ(
      this->side_.Entries(kList),
      QStringList({QString::fromUtf8("м³/ч"), QString::fromUtf8("л/ч"), QString::fromUtf8("л/с")}));
  c.SelectListEntry(kList, 2);
  EXPECT_EQ(c.SelectedIndex(kList), 2);
  c.AppendListEntry(kList, QStringLiteral("x"));
  EXPECT_EQ(c.SelectedIndex(kList), 2) << "appending keeps the selection";
  c.SelectListEntry(kList, 4);
  EXPECT_EQ(c.SelectedIndex(kList), -1) << "an index the list does not hold selects nothing";
  c.SelectListEntry(kList, 1);
  c.SelectListEntry(kList, -1);
  EXPECT_EQ(c.SelectedIndex(kList), -1);
  c.SelectListEntry(kList, 0);
  c.ClearList(kList);
  EXPECT_EQ(c.SelectedIndex(kList), -1);
  EXPECT_TRUE(this->side_.Entries(kList).isEmpty());
}

TYPED_TEST(FormControlsConformance, EntryHintLeavesEntriesAndSelectionAsTheyAre) {
  this->side_.Define(kList, ControlType::List);
  FormControls& c = this->side_.Controls();
  c.AppendListEntry(kList, QStringLiteral("a"));
  c.AppendListEntry(kList, QStringLiteral("b"));
  c.SelectListEntry(kList, 1);
  this->Count(kList);
  c.SetListEntryHint(kList, 0, QStringLiteral("hint"));
  c.SetListEntryHint(kList, 5, QStringLiteral("beyond the entries"));
  EXPECT_EQ(this->side_.Entries(kList), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
  EXPECT_EQ(c.SelectedIndex(kList), 1);
  EXPECT_EQ(this->Runs(kList), 0);
}

TYPED_TEST(FormControlsConformance, UserSelectionInListRunsItsHandler) {
  this->side_.Define(kList, ControlType::List);
  FormControls& c = this->side_.Controls();
  c.AppendListEntry(kList, QStringLiteral("a"));
  c.AppendListEntry(kList, QStringLiteral("b"));
  this->Count(kList);
  this->side_.UserSelectFirst(kList);
  EXPECT_EQ(c.SelectedIndex(kList), 0);
  EXPECT_EQ(this->Runs(kList), 1);
}

TYPED_TEST(FormControlsConformance, TextsComeBackAsSet) {
  this->side_.Define(kLabel, ControlType::Label);
  this->side_.Define(kEdit, ControlType::Edit);
  this->side_.Define(kRadioA, ControlType::Radio, QString::fromUtf8("Вода"));
  FormControls& c = this->side_.Controls();
  const QString block = QString::fromUtf8("ZV-20\r\n20\r\nФланцевый");
  c.SetText(kLabel, block);
  EXPECT_EQ(c.Text(kLabel), block);
  c.SetText(kEdit, QStringLiteral("0,3"));
  EXPECT_EQ(c.Text(kEdit), QStringLiteral("0,3"));
  EXPECT_EQ(c.Text(kRadioA), QString::fromUtf8("Вода"));
  c.SetText(kLabel, QString());
  EXPECT_EQ(c.Text(kLabel), QString());
}

}  // namespace
}  // namespace selvio::test
