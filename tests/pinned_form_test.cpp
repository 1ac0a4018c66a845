// Whole states of the selection form on the bundled data after sequences of user actions,
// compared with the states kept in tests/data/pinned/form: every control's visibility,
// enabling, check, text and list, and the messages shown on the way. What a sequence leaves
// behind (a refusal after a calculation, a choice in the candidate list, a redraw after the
// form was changed) must not change when the code beneath the form is rearranged. The kept
// files were written by the program itself; rewrite them with SELVIO_PIN_REWRITE=1 only for a
// deliberate change, and read the diff.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/cli/headless_form.h"
#include "app/form/control_ids.h"

namespace selvio::test {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }
QString Env(const char* name) { return QString::fromLocal8Bit(qgetenv(name)); }

// One line per defined control, then the messages shown since the last dump.
QByteArray Dump(HeadlessControls& controls) {
  QString out;
  for (int id = 0; id < 1300; ++id) {
    if (!controls.IsDefined(id)) continue;
    const HeadlessControls::ControlState& s = controls.State(id);
    out += QStringLiteral("%1 %2%3%4 sel=%5 text=[%6]")
               .arg(id)
               .arg(s.shown ? 'S' : '-')
               .arg(s.enabled ? 'E' : '-')
               .arg(s.checked ? 'C' : '-')
               .arg(s.selected)
               .arg(QString(s.text).replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n")));
    if (!s.entries.isEmpty()) out += QStringLiteral(" list=[%1]").arg(s.entries.join('|'));
    out += '\n';
  }
  for (const QString& message : controls.Messages())
    out += QStringLiteral("message: ") + message + '\n';
  controls.ClearMessages();
  return out.toUtf8();
}

struct Step {
  const char* name;
  std::function<void(HeadlessForm&)> act;
};

void Calculate(HeadlessForm& form) { form.Controls().Click(ids::kCalculate); }

void SetText(HeadlessForm& form, int id, const char* text) {
  form.Controls().SetText(id, Utf8(text));
}

// Opens a selection file of the bundled data or the named fields over the example.
std::function<void(HeadlessForm&)> OpenExample() {
  return [](HeadlessForm& form) {
    ASSERT_TRUE(form.View().OpenSelectionFile(Env("SELVIO_DATA_DIR") + "/example.crp"));
  };
}

struct Sequence {
  const char* name;
  std::vector<Step> steps;
};

std::vector<Sequence> Sequences() {
  return {
      {"example_choice_refusal",
       {{"open", OpenExample()},
        {"calculate", Calculate},
        {"choose 3/1", [](HeadlessForm& f) { f.View().ApplyCandidateChoice(3, 1); }},
        {"refused P2",
         [](HeadlessForm& f) {
           SetText(f, ids::kP2, "7");
           Calculate(f);
         }},
        {"unreadable flow",
         [](HeadlessForm& f) {
           SetText(f, ids::kP2, "4");
           SetText(f, ids::kFlow, "x");
           Calculate(f);
         }},
        {"again",
         [](HeadlessForm& f) {
           SetText(f, ids::kFlow, "5");
           Calculate(f);
         }},
        {"nothing found",
         [](HeadlessForm& f) {
           SetText(f, ids::kFlow, "900");
           Calculate(f);
         }}}},
      {"thermostat_then_form_changes",
       {{"open", OpenExample()},
        {"thermostat",
         [](HeadlessForm& f) {
           f.Controls().Click(ids::kThermostat);
           f.Controls().Click(ids::kStainlessCapillary);
           f.Controls().SelectByUser(ids::kCapillaryLength, 2);
           SetText(f, ids::kFlow, "2");
           Calculate(f);
         }},
        {"copper capillary, redraw",
         [](HeadlessForm& f) {
           f.Controls().Click(ids::kCopperCapillary);
           f.View().ApplyCandidateChoice(0, 0);
         }},
        {"pneumatic, calculate",
         [](HeadlessForm& f) {
           f.Controls().Click(ids::kPneumatic);
           f.Controls().Click(ids::kPositionerPZ2);
           Calculate(f);
         }},
        {"controller on",
         [](HeadlessForm& f) {
           f.Controls().Click(ids::kControllerEmpty);
           f.Controls().Click(ids::kControllerTwoHeating);
           Calculate(f);
         }}}},
      {"regulators",
       {{"open", OpenExample()},
        {"dp regulator with cavitation",
         [](HeadlessForm& f) {
           f.Controls().Click(ids::kDpRegulator);
           SetText(f, ids::kP1, "3");
           SetText(f, ids::kP2, "1");
           SetText(f, ids::kTemperature, "130");
           SetText(f, ids::kDrop, "2");
           SetText(f, ids::kSetting, "1");
           SetText(f, ids::kFlow, "3");
           Calculate(f);
         }},
        {"choose 1", [](HeadlessForm& f) { f.View().ApplyCandidateChoice(1, -1); }},
        {"reducing valve",
         [](HeadlessForm& f) {
           f.Controls().Click(ids::kReducingValve);
           Calculate(f);
         }},
        {"back to a valve",
         [](HeadlessForm& f) {
           f.Controls().Click(ids::kControlValve);
           Calculate(f);
         }}}},
      {"steam_and_glycol",
       {{"open", OpenExample()},
        {"steam",
         [](HeadlessForm& f) {
           f.Controls().Click(ids::kSteam);
           SetText(f, ids::kTemperature, "160");
           SetText(f, ids::kP1, "5");
           f.Controls().Click(ids::kActuatorTicked);
           Calculate(f);
         }},
        {"glycol",
         [](HeadlessForm& f) {
           f.Controls().Click(ids::kGlycol);
           SetText(f, ids::kDensity, "1040");
           SetText(f, ids::kTemperature, "40");
           Calculate(f);
         }},
        {"K out of range",
         [](HeadlessForm& f) {
           SetText(f, ids::kSafetyFactor, "1.3");
           Calculate(f);
         }}}},
  };
}

TEST(PinnedForm, StatesAfterEachStepOfEachSequence) {
  for (const Sequence& sequence : Sequences()) {
    SCOPED_TRACE(sequence.name);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"xmldata.xml", "Рнас.dat", "etilenglikol.dat", "propilenglikol.dat"}) {
      ASSERT_TRUE(QFile::copy(Env("SELVIO_DATA_DIR") + '/' + Utf8(name), dir.filePath(Utf8(name))));
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QByteArray states;
    {
      HeadlessForm form;
      states += "== start\n" + Dump(form.Controls());
      for (const Step& step : sequence.steps) {
        step.act(form);
        states += QByteArray("== ") + step.name + '\n' + Dump(form.Controls());
      }
    }
    QDir::setCurrent(previous);

    QFile file(Env("SELVIO_TEST_DATA_DIR") + "/pinned/form/" + Utf8(sequence.name) + ".txt");
    if (qEnvironmentVariableIsSet("SELVIO_PIN_REWRITE")) {
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(states);
      continue;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing " << sequence.name;
    EXPECT_EQ(states.toStdString(), file.readAll().toStdString());
  }
}

}  // namespace
}  // namespace selvio::test
