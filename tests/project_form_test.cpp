// Positions taken from the form and put back into it, and the re-check without a form.

#include <gtest/gtest.h>

#include "app/project/position_form.h"
#include "app/project/project_file.h"
#include "app/project/project_model.h"
#include "app/project/recheck.h"
#include "output/shown_product.h"
#include "tests/project_fixture.h"

namespace selvio::test {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// What the re-check makes of a position on the folder's data, the same storage reused.
ShownSelection Rechecked(const ProjectPosition& position, const SelectionForm& view) {
  SelectionResult result;
  return RecalculateSelection(position.inputs, position.shown, view.CatalogueData(),
                              view.Saturation(), result);
}

void ExpectSameShown(const ShownSelection& a, const ShownSelection& b, const QString& label) {
  ProjectPosition x;
  ProjectPosition y;
  x.shown = a;
  y.shown = b;
  EXPECT_TRUE(SamePosition(x, y)) << label.toStdString() << ": " << a.product.toStdString() << " / "
                                  << b.product.toStdString();
}

// Each kind of point: a .crp the form saved is opened, calculated (another candidate chosen for
// one), added as a position, written to a project file and read back, put into a form that
// sized other points before and saved as .crp again: the bytes are those of the first .crp,
// and the form, the re-check and the position show the same.
TEST_F(ProjectFolderTest, APositionRoundTripsThroughFormFileAndCrp) {
  struct Case {
    QString label;
    QString crp;
    std::optional<CandidateChoice> choice;
  };
  std::vector<Case> cases = {
      {Utf8("пример"), Path("example.crp"), std::nullopt},
      {Utf8("пример, другой клапан"), Path("example.crp"), CandidateChoice{3, 1}}};
  {
    const std::unique_ptr<HeadlessForm> saver = NewForm();
    const CsvTable table = ParseCsv(kProjectPoints);
    const std::vector<SettingsRecord> records = ProjectPointRecords();
    for (std::size_t i = 0; i < records.size(); ++i) {
      const QString crp = Path(QStringLiteral("point%1.crp").arg(i));
      saver->View().StartOver(records[i]);
      ASSERT_TRUE(saver->View().SaveSelectionFile(crp));
      cases.push_back({table.rows[static_cast<int>(i)][0], crp, std::nullopt});
    }
  }

  Project project;
  for (const Case& c : cases) {
    const std::unique_ptr<HeadlessForm> form = NewForm();
    ASSERT_TRUE(form->View().OpenSelectionFile(c.crp));
    form->Controls().Click(ids::kCalculate);
    if (c.choice) {
      ASSERT_TRUE(form->View().HoldsCandidateChoice(c.choice->candidate, c.choice->actuator));
      form->View().ApplyCandidateChoice(c.choice->candidate, c.choice->actuator);
    }
    const std::optional<ProjectPosition> position = CaptureFormPosition(form->View(), c.label);
    ASSERT_TRUE(position);
    project.positions.push_back(*position);
  }
  EXPECT_EQ(project.positions[1].shown.candidate, 3);
  EXPECT_EQ(project.positions[1].shown.actuator, 1);
  EXPECT_NE(project.positions[1].shown.product, project.positions[0].shown.product);

  ASSERT_EQ(WriteProjectFile(Path("round.selvio"), project), std::nullopt);
  const ReadProject read = ReadProjectFile(Path("round.selvio"));
  ASSERT_TRUE(read.project) << read.error.toStdString();

  const std::unique_ptr<HeadlessForm> form = NewForm();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const ProjectPosition& position = read.project->positions[i];
    const QString& label = cases[i].label;
    EXPECT_EQ(RestorePosition(form->View(), position), SelectionChange::None)
        << label.toStdString();
    ExpectSameShown(ShownSelectionOf(form->View().Result(), position.inputs), position.shown,
                    label);
    ExpectSameShown(Rechecked(position, form->View()), position.shown, label);
    const QString saved = Path(QStringLiteral("restored%1.crp").arg(i));
    ASSERT_TRUE(form->View().SaveSelectionFile(saved));
    EXPECT_EQ(FileBytes(saved), FileBytes(cases[i].crp)) << label.toStdString();
  }
}

// Nothing to add before the first calculation; after it, the inputs "Расчет" captured, not the
// controls edited since.
TEST_F(ProjectFolderTest, APositionHoldsTheInputsOfTheCalculation) {
  const std::unique_ptr<HeadlessForm> form = NewForm();
  EXPECT_FALSE(CaptureFormPosition(form->View(), "x"));
  ASSERT_TRUE(form->View().OpenSelectionFile(Path("example.crp")));
  form->Controls().Click(ids::kCalculate);
  const SettingsRecord calculated = form->View().CurrentInputs();
  form->Controls().SetText(ids::kFlow, "7");
  const std::optional<ProjectPosition> position = CaptureFormPosition(form->View(), "x", 3);
  ASSERT_TRUE(position);
  EXPECT_EQ(SettingsRecordBytes(position->inputs), SettingsRecordBytes(calculated));
  EXPECT_EQ(position->quantity, 3);
  form->View().StartOver(DefaultSettingsRecord());
  EXPECT_FALSE(CaptureFormPosition(form->View(), "x"));
}

// The example: Kv·K = 5/√0.3·1.2 = 10.954 m³/h; the first valve with Kvs above it is DN 32,
// Kvs 16: dPv = (5/16)² = 0.0977 bar, V = (5/3600)/(π/4·0.032²) = 1.727 m/s.
TEST_F(ProjectFolderTest, APositionShowsTheFormsProductAndFigures) {
  const Project project = PointsProject();
  const ShownSelection& heating = project.positions[0].shown;
  EXPECT_EQ(heating.outcome, Found);
  EXPECT_EQ(heating.product, Utf8("ВКФ-2-32-16"));
  EXPECT_EQ(heating.dn, "32");
  EXPECT_EQ(heating.kvs, 16.0f);
  EXPECT_NEAR(heating.kv, 10.954, 1e-3);
  EXPECT_NEAR(heating.dpv, 0.0977, 1e-4);
  EXPECT_NEAR(heating.velocity, 1.727, 1e-3);
  EXPECT_FALSE(heating.actuatorName.isEmpty());
  EXPECT_EQ(heating.controller, "ZR310-94");  // both sections on, the first variant
  EXPECT_EQ(project.positions[2].shown.product, Utf8("РДФ-16-20-6.3"));
  EXPECT_TRUE(project.positions[2].shown.actuatorName.isEmpty());
  EXPECT_TRUE(project.positions[2].shown.controller.isEmpty());
  const ShownSelection& refused = project.positions[5].shown;
  EXPECT_EQ(refused.outcome, InvalidInput);
  EXPECT_FALSE(refused.HasProduct());
}

TEST_F(ProjectFolderTest, OnTheSameCatalogueNothingChanges) {
  const Project project = PointsProject();
  const Data data = LoadData();
  const RecheckReport report = RecheckProject(project, 7, *data.catalogue, data.saturation);
  EXPECT_TRUE(report.completed);
  EXPECT_EQ(report.revision, 7);
  ASSERT_EQ(report.positions.size(), project.positions.size());
  EXPECT_TRUE(report.Changed().empty());
  for (std::size_t i = 0; i < report.positions.size(); ++i) {
    ExpectSameShown(report.positions[i].recalculated, project.positions[i].shown,
                    project.positions[i].label);
  }
  EXPECT_EQ(RecheckDescription(project.positions[0].shown, report.positions[0]),
            Utf8("без изменений"));
}

// The regulator's product and every steam valve are gone: the regulator gets the next one
// (Kv 3/√0.5 = 4.24 fits DN 25, Kvs 8), the steam point nothing; the rest stays.
TEST_F(ProjectFolderTest, AProductGoneIsReplacedOrLeavesNothing) {
  const Project project = PointsProject();
  RemoveProducts(QStringLiteral("РДФ-16-20-6\\.3"));
  RemoveProducts(QStringLiteral("ВКФ-2С-[^<]*"));
  const Data data = LoadData();
  const RecheckReport report = RecheckProject(project, 0, *data.catalogue, data.saturation);
  ASSERT_EQ(report.positions.size(), 6u);
  EXPECT_EQ(report.Changed(), (std::vector<int>{2, 3}));

  const PositionRecheck& regulator = report.positions[2];
  EXPECT_EQ(regulator.change, SelectionChange::OtherProduct);
  EXPECT_EQ(regulator.recalculated.product, Utf8("РДФ-16-25-8"));
  EXPECT_EQ(RecheckDescription(project.positions[2].shown, regulator),
            Utf8("другое изделие: РДФ-16-20-6.3 → РДФ-16-25-8"));

  const PositionRecheck& steam = report.positions[3];
  EXPECT_EQ(steam.change, SelectionChange::NothingFound);
  EXPECT_FALSE(steam.recalculated.HasProduct());
  EXPECT_TRUE(RecheckDescription(project.positions[3].shown, steam)
                  .startsWith(Utf8("ничего не подобрано: ")));

  // The user takes the regulator and keeps the steam valve.
  ProjectModel model;
  for (const ProjectPosition& position : project.positions) model.Add(position);
  const RecheckReport current =
      RecheckProject(model.Data(), model.Revision(), *data.catalogue, data.saturation);
  ASSERT_TRUE(model.ApplyRecheck(current, {2}));
  EXPECT_EQ(model.At(2).shown.product, Utf8("РДФ-16-25-8"));
  EXPECT_EQ(model.At(3).shown.product, Utf8("ВКФ-2С-32-16"));
  EXPECT_EQ(model.At(2).label, project.positions[2].label);
  EXPECT_EQ(SettingsRecordBytes(model.At(2).inputs),
            SettingsRecordBytes(project.positions[2].inputs));
  // A re-check made before a change is not applied after it.
  model.SetQuantity(0, 5);
  EXPECT_FALSE(model.ApplyRecheck(current, {3}));
  EXPECT_EQ(model.At(3).shown.product, Utf8("ВКФ-2С-32-16"));
}

// The valve's Kvs changes from 16 to 20 under the same name: dPv = (5/20)² = 0.0625 bar.
TEST_F(ProjectFolderTest, TheSameProductWithAnotherKvsHasOtherFigures) {
  const Project project = PointsProject();
  EditCatalogue([](QString& text) {
    const qsizetype at = text.indexOf(Utf8("<название>ВКФ-2-32-16</название>"));
    ASSERT_GE(at, 0);
    const qsizetype kvs = text.indexOf(Utf8("<Kvs>16</Kvs>"), at);
    ASSERT_GT(kvs, at);
    text.replace(kvs, 13, Utf8("<Kvs>20</Kvs>"));
  });
  const Data data = LoadData();
  const RecheckReport report = RecheckProject(project, 0, *data.catalogue, data.saturation);
  ASSERT_EQ(report.Changed(), std::vector<int>{0});
  const PositionRecheck& heating = report.positions[0];
  EXPECT_EQ(heating.change, SelectionChange::DifferentFigures);
  EXPECT_NEAR(heating.recalculated.dpv, 0.0625, 1e-4);
  EXPECT_EQ(RecheckDescription(project.positions[0].shown, heating),
            Utf8("другие значения: Kvs 16,00 → 20,00; dPv 0,10 → 0,06"));
}

// The example's candidates are ВКФ-2-32-16, ВКФ-2-40-25, ВКФ-2С-32-16 and ВКФ-2С-40-25 (with
// two actuators). The last one with its second actuator is chosen; once ВКФ-2С-32-16 is gone it
// stands third, and both the re-check and "В форму" find it by name, with its actuator.
TEST_F(ProjectFolderTest, TheChoiceIsFoundByNameWhenTheListMoved) {
  ProjectPosition position;
  {
    const std::unique_ptr<HeadlessForm> form = NewForm();
    ASSERT_TRUE(form->View().OpenSelectionFile(Path("example.crp")));
    form->Controls().Click(ids::kCalculate);
    ASSERT_TRUE(form->View().HoldsCandidateChoice(3, 1));
    form->View().ApplyCandidateChoice(3, 1);
    position = *CaptureFormPosition(form->View(), "x");
  }
  EXPECT_EQ(position.shown.product, Utf8("ВКФ-2С-40-25"));
  RemoveProducts(QStringLiteral("ВКФ-2С-32-16"));

  const std::unique_ptr<HeadlessForm> form = NewForm();
  EXPECT_EQ(RestorePosition(form->View(), position), SelectionChange::None);
  EXPECT_EQ(form->View().Result().shownCandidate, 2);
  EXPECT_EQ(form->View().Result().shownActuator, 1);
  EXPECT_EQ(ShownProductOf(form->View().Result()).actuator, position.shown.actuatorName);
  const ShownSelection rechecked = Rechecked(position, form->View());
  EXPECT_EQ(CompareSelections(position.shown, rechecked), SelectionChange::None);
  EXPECT_EQ(rechecked.candidate, 2);
  EXPECT_EQ(rechecked.actuator, 1);
}

TEST_F(ProjectFolderTest, ProgressIsReportedAndARecheckCanBeStopped) {
  const Project project = PointsProject();
  const Data data = LoadData();
  std::vector<std::pair<int, int>> progress;
  int asked = 0;
  RecheckHooks hooks;
  hooks.progress = [&](int done, int total) { progress.emplace_back(done, total); };
  hooks.cancelled = [&] { return ++asked > 2; };
  const RecheckReport report = RecheckProject(project, 0, *data.catalogue, data.saturation, hooks);
  EXPECT_FALSE(report.completed);
  EXPECT_EQ(report.positions.size(), 2u);
  EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 6}, {2, 6}}));
  ProjectModel model;
  for (const ProjectPosition& position : project.positions) model.Add(position);
  RecheckReport partial = report;
  partial.revision = model.Revision();
  EXPECT_FALSE(model.ApplyRecheck(partial, {0}));
}

}  // namespace
}  // namespace selvio::test
