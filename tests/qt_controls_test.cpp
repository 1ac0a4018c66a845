// What only the Qt implementation has to get right: how texts show, the keys, the filters.
#include "platform/qt/qt_controls.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/qt/file_dialog_filter.h"
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
