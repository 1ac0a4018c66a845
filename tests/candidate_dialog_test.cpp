#include "app/dialogs/candidate_dialog.h"

#include <memory>

#include "form_fixture.h"

namespace selvio::test {
namespace {

using namespace candidate_dialog_ids;

// Two valves with three and two actuators, and one with none.
std::vector<CandidateEntry> ThreeValves() {
  return {{"VA", "15", 1, {"a1", "a2", "a3"}}, {"VB", "20", 2, {"b1", "b2"}}, {"VC", "25", 4, {}}};
}

struct DialogRun {
  bool confirmed = false;
  int candidate = 0;
  int actuator = 0;
};

// Runs the dialog over a window with `script` acting as the user.
DialogRun RunDialog(int candidate, int actuator, HeadlessControls::DialogScript script) {
  HeadlessControls form;
  CandidateDialog dialog(ThreeValves(), candidate, actuator);
  form.QueueDialogScript(std::move(script));
  DialogRun run;
  run.confirmed = form.RunModalDialog(dialog);
  run.candidate = dialog.ChosenCandidate();
  run.actuator = dialog.ChosenActuator();
  return run;
}

TEST(CandidateDialog, TemplateNamesItsControlsAndCancelIsTheDefault) {
  const DialogTemplate t = CandidateDialog({}, 0, 0).Template();
  EXPECT_EQ(t.id, 141);
  EXPECT_EQ(t.title, "Клапаны");
  EXPECT_EQ(t.defaultButton, kDismiss);
  std::map<int, std::pair<ControlType, QString>> controls;
  for (const DialogControl& c : t.controls) controls[c.id] = {c.kind, c.text};
  const std::map<int, std::pair<ControlType, QString>> expected = {
      {kCandidatesCaption, {ControlType::Label, "Подходящие клапаны:"}},
      {kActuatorsCaption, {ControlType::Label, "Подходящие приводы:"}},
      {kCandidates, {ControlType::List, ""}},
      {kActuators, {ControlType::List, ""}},
      {kConfirm, {ControlType::Button, "OK"}},
      {kDismiss, {ControlType::Button, "Отмена"}}};
  EXPECT_EQ(controls, expected);
}

TEST(CandidateDialog, OpensOnThePreselectedPair) {
  struct Row {
    const char* name;
    int candidate;
    int actuator;
    QStringList right;
    int rightSelected;
  };
  const Row rows[] = {
      {"right after a calculation", 0, 0, {"a1", "a2", "a3"}, 0},
      {"third actuator of the second valve", 1, 1, {"b1", "b2"}, 1},
      {"valve without actuators", 2, -1, {}, -1},
  };
  for (const Row& row : rows) {
    RunDialog(row.candidate, row.actuator, [&row](HeadlessControls& d) {
      EXPECT_EQ(d.ListEntries(kCandidates), (QStringList{"VA-15", "VB-20", "VC-25"})) << row.name;
      EXPECT_EQ(d.SelectedIndex(kCandidates), row.candidate) << row.name;
      EXPECT_EQ(d.ListEntries(kActuators), row.right) << row.name;
      EXPECT_EQ(d.SelectedIndex(kActuators), row.rightSelected) << row.name;
    });
  }
}

// The entry's text is name-DN only; its Kvs, as the result panel prints it, is its hint.
TEST(CandidateDialog, EachCandidateCarriesItsKvsAsHint) {
  std::vector<CandidateEntry> entries = ThreeValves();
  entries[1].kvs = 6.3f;
  HeadlessControls form;
  CandidateDialog dialog(entries, 0, 0);
  form.QueueDialogScript([](HeadlessControls& d) {
    EXPECT_EQ(d.ListEntries(kCandidates), (QStringList{"VA-15", "VB-20", "VC-25"}));
    EXPECT_EQ(d.ListEntryHints(kCandidates), (QStringList{"Пропускная способн. Kvs, м³/ч: 1.0",
                                                          "Пропускная способн. Kvs, м³/ч: 6.3",
                                                          "Пропускная способн. Kvs, м³/ч: 4.0"}));
  });
  form.RunModalDialog(dialog);
}

TEST(CandidateDialog, ChoosingAnotherValveRefillsTheActuatorsAndTheSameValveKeepsThem) {
  const DialogRun run = RunDialog(0, 0, [](HeadlessControls& d) {
    d.SelectByUser(kActuators, 2);
    d.SelectByUser(kCandidates, 0);  // the same valve: the right list and its choice stay
    EXPECT_EQ(d.SelectedIndex(kActuators), 2);
    d.SelectByUser(kCandidates, 1);
    EXPECT_EQ(d.ListEntries(kActuators), (QStringList{"b1", "b2"}));
    EXPECT_EQ(d.SelectedIndex(kActuators), 0);
    d.SelectByUser(kCandidates, 2);
    EXPECT_TRUE(d.ListEntries(kActuators).isEmpty());
    EXPECT_EQ(d.SelectedIndex(kActuators), -1);
    d.SelectByUser(kCandidates, 1);
    d.SelectByUser(kActuators, 1);
    d.Click(kConfirm);
  });
  EXPECT_TRUE(run.confirmed);
  EXPECT_EQ(run.candidate, 1);
  EXPECT_EQ(run.actuator, 1);
}

TEST(CandidateDialog, OnlyOkConfirmsEnterEscAndCancelLeaveTheChoice) {
  struct Row {
    const char* name;
    std::function<void(HeadlessControls&)> close;
    bool confirmed;
  };
  const Row rows[] = {
      {"OK", [](HeadlessControls& d) { d.Click(kConfirm); }, true},
      {"Enter presses Отмена", [](HeadlessControls& d) { d.PressEnter(); }, false},
      {"Отмена", [](HeadlessControls& d) { d.Click(kDismiss); }, false},
      {"Esc", [](HeadlessControls& d) { d.Click(ids::kCancel); }, false},
  };
  for (const Row& row : rows) {
    const DialogRun run = RunDialog(0, 0, [&row](HeadlessControls& d) {
      d.SelectByUser(kCandidates, 1);
      row.close(d);
      EXPECT_TRUE(d.Ended()) << row.name;
    });
    EXPECT_EQ(run.confirmed, row.confirmed) << row.name;
  }
}

TEST(CandidateDialog, EntriesNameTheValveAndListItsActuatorsByKind) {
  auto result = std::make_unique<SelectionResult>();
  result->valveCandidates.resize(2);
  ValveCandidate& first = result->valveCandidates[0];
  first.valve.name = "VT2-";  // a name ending in a hyphen gives two in a row
  first.valve.dnText = "15";
  first.electricActuators.resize(2);
  first.electricActuators[0].name = "E1";
  first.electricActuators[0].variant = "E1-24";
  first.electricActuators[1].variant = "E1-220";
  first.pneumaticActuators.resize(1);
  first.pneumaticActuators[0].name = "P1";
  first.thermostats.resize(1);
  first.thermostats[0].name = "T1";
  result->valveCandidates[1].valve.name = "VT3";
  result->valveCandidates[1].valve.dnText = "20";

  first.valve.kvs = 4;
  result->valveCandidates[1].valve.kvs = 6.3f;
  const std::vector<CandidateEntry> entries = CandidateEntries(*result);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Label(), "VT2--15");
  EXPECT_EQ(entries[0].actuators, (QStringList{"E1-24", "E1-220", "P1", "T1"}));
  EXPECT_EQ(entries[1].Label(), "VT3-20");
  EXPECT_TRUE(entries[1].actuators.isEmpty());
  EXPECT_FLOAT_EQ(entries[0].kvs, 4);
  EXPECT_FLOAT_EQ(entries[1].kvs, 6.3f);

  auto regulators = std::make_unique<SelectionResult>();
  regulators->reducingValveCandidates.resize(1);
  regulators->reducingValveCandidates[0].regulator.name = "РK";
  regulators->reducingValveCandidates[0].regulator.dnText = "25";
  const std::vector<CandidateEntry> reducing = CandidateEntries(*regulators);
  ASSERT_EQ(reducing.size(), 1u);
  EXPECT_EQ(reducing[0].Label(), "РK-25");
  EXPECT_TRUE(reducing[0].actuators.isEmpty());
}

// The button on the form, after a calculation on the test catalogue: two valves, VT2 DN15 and
// DN20, each with one electric actuator.
class OtherConfiguration : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Start();
    Click(ids::kCalculate);
    ASSERT_EQ(CountOf(View().Result().valveCandidates), 2);
  }
  QString ShownValve() { return Text(ids::kRegulatorValues).split("\r\n").mid(0, 2).join("|"); }
};

TEST_F(OtherConfiguration, ConfirmedPairIsShownAndPreselectedNextTime) {
  C().QueueDialogScript([](HeadlessControls& d) {
    EXPECT_EQ(d.ListEntries(kCandidates), (QStringList{"VT2-15", "VT2-20"}));
    EXPECT_EQ(d.SelectedIndex(kCandidates), 0);
    EXPECT_EQ(d.SelectedIndex(kActuators), 0);
    d.SelectByUser(kCandidates, 1);
    d.Click(kConfirm);
  });
  Click(ids::kOtherConfiguration);
  EXPECT_EQ(C().DialogsRun(), std::vector<int>{141});
  EXPECT_EQ(View().Result().shownCandidate, 1);
  EXPECT_EQ(View().Result().shownActuator, 0);
  EXPECT_EQ(ShownValve(), "VT2|20");

  C().QueueDialogScript([](HeadlessControls& d) {
    EXPECT_EQ(d.SelectedIndex(kCandidates), 1);
    EXPECT_EQ(d.SelectedIndex(kActuators), 0);
    d.Click(kDismiss);
  });
  Click(ids::kOtherConfiguration);
  EXPECT_EQ(ShownValve(), "VT2|20");
}

TEST_F(OtherConfiguration, CancelAndEnterLeaveTheFormAsItWas) {
  const QString panel = Text(ids::kRegulatorValues);
  for (auto close : {+[](HeadlessControls& d) { d.Click(kDismiss); },
                     +[](HeadlessControls& d) { d.PressEnter(); }}) {
    C().QueueDialogScript([close](HeadlessControls& d) {
      d.SelectByUser(kCandidates, 1);
      close(d);
    });
    Click(ids::kOtherConfiguration);
    EXPECT_EQ(View().Result().shownCandidate, 0);
    EXPECT_EQ(Text(ids::kRegulatorValues), panel);
  }
}

TEST_F(OtherConfiguration, ConfirmingWithNoValveSelectedLeavesTheFormAsItWas) {
  const QString panel = Text(ids::kRegulatorValues);
  C().QueueDialogScript([](HeadlessControls& d) {
    d.SelectByUser(kCandidates, 5);  // no such entry: nothing selected
    EXPECT_TRUE(d.ListEntries(kActuators).isEmpty());
    d.Click(kConfirm);
    EXPECT_TRUE(d.Accepted());
  });
  Click(ids::kOtherConfiguration);
  EXPECT_EQ(View().Result().shownCandidate, 0);
  EXPECT_EQ(View().Result().shownActuator, 0);
  EXPECT_EQ(Text(ids::kRegulatorValues), panel);
}

TEST_F(OtherConfiguration, ValveWithoutActuatorsIsShownWithAnEmptyActuatorArea) {
  Click(ids::kActuatorTicked);
  Click(ids::kCalculate);
  C().QueueDialogScript([](HeadlessControls& d) {
    d.SelectByUser(kCandidates, 1);
    EXPECT_TRUE(d.ListEntries(kActuators).isEmpty());
    d.Click(kConfirm);
  });
  Click(ids::kOtherConfiguration);
  EXPECT_EQ(View().Result().shownCandidate, 1);
  EXPECT_EQ(View().Result().shownActuator, -1);
  EXPECT_EQ(ShownValve(), "VT2|20");
  EXPECT_FALSE(Shown(ids::kElectricValues));
}

}  // namespace
}  // namespace selvio::test
