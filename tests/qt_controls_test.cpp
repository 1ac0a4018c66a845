// What only the Qt implementation has to get right: how texts show, the keys, the filters.
#include "platform/qt/qt_controls.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>

#include "platform/qt/file_dialog_filter.h"
#include "platform/qt/text_label.h"
#include "qt_test_application.h"

namespace selvio::test {
namespace {

class QtControlsTest : public ::testing::Test, WithTestApplication {
 protected:
  QtControlsTest() : controls_(&window_) {}

  QWidget* Make(int id, ControlType kind, const QString& text = {}) {
    QWidget* widget = controls_.Create(id, kind, text, &window_);
    widget->move(0, 30 * count_++);
    widget->show();
    window_.show();
    return widget;
  }
  void Count(int id) {
    controls_.Bind(id, [this, id] { ++runs_[id]; });
  }

  QWidget window_;
  QtControls controls_;
  std::map<int, int> runs_;
  int count_ = 0;
};

TEST_F(QtControlsTest, LabelShowsLineBreaksAndNoMarkup) {
  auto* label = static_cast<QLabel*>(Make(1085, ControlType::Label));
  controls_.SetText(1085, QString::fromUtf8("<b>ZV</b>\r\n20"));
  EXPECT_EQ(label->text(), QString::fromUtf8("<b>ZV</b>\n20"));
  EXPECT_EQ(label->textFormat(), Qt::PlainText) << "a catalogue name is never read as HTML";
}

TEST_F(QtControlsTest, EnterInAnEditPressesTheDefaultButtonEscRunsTwo) {
  QWidget* edit = Make(1010, ControlType::Edit);
  Make(1, ControlType::Button, QString::fromUtf8("Выход"));
  Count(1);
  Count(2);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(runs_[1], 1);
  QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(runs_[1], 2);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(runs_[2], 1);
}

TEST_F(QtControlsTest, EnterOnAFocusedButtonPressesThatButton) {
  QWidget* calculate = Make(1072, ControlType::Button, QString::fromUtf8("Расчет"));
  Make(1, ControlType::Button, QString::fromUtf8("Выход"));
  Count(1);
  Count(1072);
  calculate->setFocus();
  QTest::keyClick(calculate, Qt::Key_Return);
  EXPECT_EQ(runs_[1072], 1);
  EXPECT_EQ(runs_[1], 0) << "a keyboard user on \"Расчет\" calculates, not quits";
}

TEST_F(QtControlsTest, EnterOnARadioPressesTheDefaultButton) {
  QWidget* radio = Make(1000, ControlType::Radio, QString::fromUtf8("Вода"));
  Make(1, ControlType::Button, QString::fromUtf8("Выход"));
  Count(1);
  Count(1000);
  QTest::keyClick(radio, Qt::Key_Return);
  EXPECT_EQ(runs_[1], 1);
  EXPECT_EQ(runs_[1000], 0);
}

TEST_F(QtControlsTest, SpaceOnAFocusedClickablePictureClicksIt) {
  QWidget* decoration = Make(2030, ControlType::Picture);
  QWidget* header = Make(1130, ControlType::Picture);
  Count(1130);
  EXPECT_EQ(decoration->focusPolicy(), Qt::NoFocus) << "a picture nobody clicks takes no focus";
  ASSERT_NE(header->focusPolicy(), Qt::NoFocus);
  header->setFocus();
  QTest::keyClick(header, Qt::Key_Space);
  EXPECT_EQ(runs_[1130], 1);
}

TEST_F(QtControlsTest, EditTextSetFromCodeRunsNoEditSignalHandlers) {
  auto* edit = static_cast<QLineEdit*>(Make(1010, ControlType::Edit));
  int changes = 0;
  QObject::connect(edit, &QLineEdit::textEdited, [&changes] { ++changes; });
  controls_.SetText(1010, QStringLiteral("6"));
  EXPECT_EQ(edit->text(), QStringLiteral("6"));
  EXPECT_EQ(changes, 0);
}

TEST_F(QtControlsTest, CaptionTitlesTheTopLevelWindow) {
  Make(1010, ControlType::Edit);
  controls_.SetCaption(QString::fromUtf8("Подбор клапана. База от 01.02.2024"));
  EXPECT_EQ(window_.windowTitle(), QString::fromUtf8("Подбор клапана. База от 01.02.2024"));
}

TEST_F(QtControlsTest, EnterOnAFocusedClickablePicturePressesThePicture) {
  QWidget* header = Make(1130, ControlType::Picture);
  Make(1, ControlType::Button, QString::fromUtf8("Выход"));
  Count(1);
  Count(1130);
  header->setFocus();
  QTest::keyClick(header, Qt::Key_Return);
  EXPECT_EQ(runs_[1130], 1);
  EXPECT_EQ(runs_[1], 0) << "Enter on a section picture switches the section, it does not quit";
}

TEST_F(QtControlsTest, ActivateIsTheUsersClick) {
  Make(1072, ControlType::Button, QString::fromUtf8("Расчет"));
  Count(1072);
  controls_.Activate(1072);
  EXPECT_EQ(runs_[1072], 1);
  controls_.Enable(1072, false);
  controls_.Activate(1072);
  EXPECT_EQ(runs_[1072], 1) << "a disabled button ignores its shortcut";
}

// What a screen reader sees of a radio that is not auto-exclusive, and what its actions do.
TEST_F(QtControlsTest, RadiosAreAnnouncedAsRadiosAndAssistiveActionsClickThem) {
  for (int id : {1000, 1002}) Make(id, ControlType::Radio, QString::number(id));
  controls_.DefineRadioGroup({1000, 1002});
  controls_.SetChecked(1000, true);
  Count(1002);
  QAccessibleInterface* steam = QAccessible::queryAccessibleInterface(controls_.Widget(1002));
  ASSERT_NE(steam, nullptr);
  EXPECT_EQ(steam->role(), QAccessible::RadioButton);
  EXPECT_TRUE(steam->state().checkable);
  EXPECT_EQ(steam->text(QAccessible::Name), QStringLiteral("1002"));
  for (const QString& action :
       {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()}) {
    steam->actionInterface()->doAction(action);
    EXPECT_TRUE(controls_.IsChecked(1002)) << action.toStdString();
    EXPECT_FALSE(controls_.IsChecked(1000)) << "the group rule ran: " << action.toStdString();
  }
  EXPECT_EQ(runs_[1002], 2);
  controls_.Enable(1002, false);
  EXPECT_FALSE(
      steam->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
}

TEST_F(QtControlsTest, CheckBoxToggleActionRunsItsHandler) {
  Make(1021, ControlType::CheckBox, QStringLiteral("K"));
  Count(1021);
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(controls_.Widget(1021));
  EXPECT_EQ(box->role(), QAccessible::CheckBox);
  box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(controls_.IsChecked(1021));
  EXPECT_TRUE(box->state().checked);
  EXPECT_EQ(runs_[1021], 1);
}

TEST_F(QtControlsTest, ClickablePictureIsAButtonADecorativeOneAnImage) {
  Make(2030, ControlType::Picture);
  Make(1130, ControlType::Picture);
  Count(1130);
  QAccessibleInterface* header = QAccessible::queryAccessibleInterface(controls_.Widget(1130));
  EXPECT_EQ(header->role(), QAccessible::Button);
  header->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(runs_[1130], 1);
  QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(controls_.Widget(2030));
  EXPECT_EQ(banner->role(), QAccessible::Graphic);
  EXPECT_FALSE(
      banner->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

// A value block never widens its column: a line too long is cut with "…", and its whole text
// stays in the tooltip, the description and the text interface.
TEST_F(QtControlsTest, ElidedLabelKeepsItsWholeTextForTooltipAndScreenReader) {
  auto* label = static_cast<TextLabel*>(Make(1085, ControlType::Label));
  label->SetElidedLines(true);
  const QString text = QString::fromUtf8("ВКФ-3-32-16\r\nтрехходовой седельный, чугун СЧ20");
  controls_.SetText(1085, text);
  EXPECT_LT(label->sizeHint().width(),
            label->fontMetrics().horizontalAdvance(QString::fromUtf8("трехходовой седельный")))
      << "the text asks for no width";
  label->resize(label->fontMetrics().horizontalAdvance(QString::fromUtf8("ВКФ-3-32-16  ")), 40);
  EXPECT_TRUE(label->IsElided());
  QAccessibleInterface* block = QAccessible::queryAccessibleInterface(label);
  ASSERT_NE(block->textInterface(), nullptr);
  const QString whole = QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
  EXPECT_EQ(block->textInterface()->text(0, block->textInterface()->characterCount()), whole);
  EXPECT_EQ(block->text(QAccessible::Description), whole);
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(label, &help);
  EXPECT_EQ(QToolTip::text(), whole);
  QToolTip::hideText();

  label->resize(label->fontMetrics().horizontalAdvance(whole) + 40, 40);
  EXPECT_FALSE(label->IsElided());
  EXPECT_TRUE(block->text(QAccessible::Description).isEmpty());
}

TEST_F(QtControlsTest, ListBoxKeepsItsSelectionOnAClickBesideTheEntries) {
  auto* list = static_cast<QListWidget*>(
      controls_.Create(1077, ControlType::List, {}, &window_, ListStyle::ListBox));
  list->resize(200, 200);
  list->show();
  window_.show();
  for (const char* entry : {"a1", "a2"}) controls_.AppendListEntry(1077, entry);
  controls_.SelectListEntry(1077, 1);
  const QRect last = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(last.center().x(), last.bottom() + 30));
  EXPECT_EQ(controls_.SelectedIndex(1077), 1) << "a click on empty space";
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, last.center());
  EXPECT_EQ(controls_.SelectedIndex(1077), 1) << "Ctrl+click on the selected entry";
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(controls_.SelectedIndex(1077), 0) << "the keys move it";
  controls_.SelectListEntry(1077, -1);
  EXPECT_EQ(controls_.SelectedIndex(1077), -1) << "the logic may still clear it";
}

TEST_F(QtControlsTest, EntryHintsAreTooltipsAndDescriptions) {
  auto* combo = static_cast<QComboBox*>(Make(1019, ControlType::List));
  auto* list = static_cast<QListWidget*>(
      controls_.Create(1079, ControlType::List, {}, &window_, ListStyle::ListBox));
  for (int id : {1019, 1079}) {
    controls_.AppendListEntry(id, QStringLiteral("VT2-15"));
    controls_.SetListEntryHint(id, 0, QStringLiteral("Kvs 4.0"));
    controls_.SetListEntryHint(id, 3, QStringLiteral("none"));  // no such entry: nothing
  }
  EXPECT_EQ(combo->itemText(0), QStringLiteral("VT2-15"));
  EXPECT_EQ(combo->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("Kvs 4.0"));
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("VT2-15"));
  EXPECT_EQ(list->item(0)->toolTip(), QStringLiteral("Kvs 4.0"));
  EXPECT_EQ(list->item(0)->data(Qt::AccessibleDescriptionRole).toString(),
            QStringLiteral("Kvs 4.0"));
}

struct FilterCase {
  const char* name;
  const char* filter;
  QStringList expected;
};

TEST(QtNameFilters, DescriptionAndPatternsBecomeQtFilters) {
  const FilterCase cases[] = {
      {"selection files",
       "Параметры выбора регулятора (*.crp)|*.crp||",
       {QString::fromUtf8("Параметры выбора регулятора (*.crp)")}},
      {"description without its patterns",
       "Документ|*.doc;*.rtf||",
       {QString::fromUtf8("Документ (*.doc *.rtf)")}},
      {"two filters",
       "Текст (*.txt)|*.txt|Все файлы (*.*)|*.*||",
       {QStringLiteral("Текст (*.txt)"), QStringLiteral("Все файлы (*.*)")}},
      {"nothing", "", {}},
  };
  for (const FilterCase& c : cases) {
    EXPECT_EQ(QtNameFilters(QString::fromUtf8(c.filter)), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace selvio::test
