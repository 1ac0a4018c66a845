#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <initializer_list>
#include <memory>

#include "app/form/control_ids.h"
#include "app/form/control_inventory.h"
#include "app/form/selection_form.h"
#include "platform/headless_controls.h"

namespace selvio::test {

// The path of a file of the form's test data (tests/data/form).
inline QString FormDataFile(const QString& name) {
  return QString::fromLocal8Bit(std::getenv("SELVIO_TEST_DATA_DIR")) + "/form/" + name;
}

// A selection form on headless controls, running in a temporary working directory that holds
// the small test catalogue and saturation table. The form is not initialised until Start().
class FormTest : public ::testing::Test {
 protected:
  FormTest() {
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
  }
  ~FormTest() override { QDir::setCurrent(previousDir_); }

  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    CopyFixture("xmldata.xml");
    CopyFixture(QString::fromUtf8("Рнас.dat"));
  }

  void CopyFixture(const QString& name) {
    ASSERT_TRUE(QFile::copy(FormDataFile(name), dir_.filePath(name))) << name.toStdString();
  }
  void RemoveFile(const QString& name) { QFile::remove(dir_.filePath(name)); }
  QString FilePath(const QString& name) const { return dir_.filePath(name); }

  // Builds the controls and the view; `readSettingsFile` as SelectionForm::Initialise takes it.
  void Start(bool readSettingsFile = true) {
    controls_ = std::make_unique<HeadlessControls>();
    DefineFormControls(*controls_);
    view_ = std::make_unique<SelectionForm>(*controls_, *catalogue_, glycol_);
    view_->SetCloseHandler([this] { ++closeRequests_; });
    view_->Initialise(readSettingsFile);
  }

  // A second run of the program in the same working directory.
  void Restart() {
    view_.reset();
    catalogue_ = std::make_unique<Catalogue>();
    Start();
  }

  HeadlessControls& C() { return *controls_; }
  SelectionForm& View() { return *view_; }
  const FormState& State() { return view_->State(); }

  bool Checked(int id) { return controls_->IsChecked(id); }
  bool Shown(int id) { return controls_->IsShown(id); }
  bool Enabled(int id) { return controls_->IsEnabled(id); }
  QString Text(int id) { return controls_->Text(id); }
  int Selected(int id) { return controls_->SelectedIndex(id); }
  QString SelectedEntry(int id) {
    const int index = Selected(id);
    return index < 0 ? QString() : controls_->ListEntries(id).at(index);
  }
  void Type(int id, const QString& text) { controls_->SetText(id, text); }
  void Select(int id, int index) { controls_->SelectListEntry(id, index); }
  // The user clicks `id`; the click must reach a control that is shown and enabled.
  void Click(int id) {
    ASSERT_TRUE(Shown(id) && Enabled(id)) << "control " << id << " cannot be clicked";
    controls_->Click(id);
  }

  // Which of the four pictures of a header is shown; 0 when not exactly one is.
  int ShownPicture(std::initializer_list<int> pictures) {
    int shown = 0;
    for (int picture : pictures) {
      if (Shown(picture)) {
        if (shown != 0) return 0;
        shown = picture;
      }
    }
    return shown;
  }
  int ActuatorPicture() {
    return ShownPicture({ids::kActuatorTicked, ids::kActuatorEmpty, ids::kActuatorGreyedTicked,
                         ids::kActuatorGreyedEmpty});
  }
  int ControllerPicture() {
    return ShownPicture({ids::kControllerTicked, ids::kControllerEmpty,
                         ids::kControllerGreyedTicked, ids::kControllerGreyedEmpty});
  }

  QTemporaryDir dir_;
  QString previousDir_;
  std::unique_ptr<Catalogue> catalogue_ = std::make_unique<Catalogue>();
  GlycolTables glycol_;
  std::unique_ptr<HeadlessControls> controls_;
  std::unique_ptr<SelectionForm> view_;
  int closeRequests_ = 0;
};

}  // namespace selvio::test
