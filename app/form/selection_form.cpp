#include "app/form/selection_form.h"

#include <QCoreApplication>
#include <QDir>
#include <utility>

#include "app/dialogs/candidate_dialog.h"
#include "app/dialogs/density_dialog.h"
#include "app/dialogs/flow_dialog.h"
#include "app/dialogs/update_dialog.h"
#include "app/files/file_messages.h"
#include "app/form/capillary_lengths.h"
#include "app/form/control_ids.h"
#include "app/form/mode_rules.h"
#include "app/form/request_capture.h"
#include "app/form/result_drawing.h"
#include "app/form/section_switches.h"
#include "app/form/settings_transfer.h"
#include "app/form/units.h"
#include "catalogue/catalogue_loader.h"
#include "engine/fluid_tables.h"
#include "engine/selection.h"
#include "output/selection_report.h"
#include "platform/working_files.h"
#include "words/load_words.h"
#include "words/selection_words.h"
#include "words/update_words.h"

namespace selvio {
namespace {

FileDialogRequest SelectionFileDialog() {
  return {
      QCoreApplication::translate("SelectionForm", "Параметры выбора регулятора (*.crp)|*.crp||"),
      QStringLiteral("*.crp"), QStringLiteral("crp"), QString()};
}

}  // namespace

SelectionForm::SelectionForm(FormControls& controls, Catalogue& catalogue,
                             const GlycolTables& glycolTables)
    : controls_(controls), catalogue_(catalogue), glycolTables_(glycolTables) {
  BindHandlers();
}

void SelectionForm::BindHandlers() {
  FormControls& c = controls_;
  FormState& s = state_;
  c.Bind(ids::kWater, [&c] { OnWater(c); });
  c.Bind(ids::kGlycol, [&c] { OnGlycol(c); });
  c.Bind(ids::kSteam, [&c] { OnSteam(c); });
  c.Bind(ids::kTwoWay, [&c] { OnTwoWay(c); });
  c.Bind(ids::kThreeWay, [&c] { OnThreeWay(c); });
  c.Bind(ids::kUseSafetyFactor, [&c] { OnUseSafetyFactor(c); });
  c.Bind(ids::kControlValve, [&c, &s] { OnControlValve(c, s); });
  c.Bind(ids::kDpRegulator, [&c, &s] { OnRegulatorType(c, s); });
  c.Bind(ids::kReducingValve, [&c, &s] { OnRegulatorType(c, s); });
  c.Bind(ids::kElectric, [&c, &s] { OnElectric(c, s); });
  c.Bind(ids::kThermostat, [&c, &s] { OnThermostat(c, s); });
  c.Bind(ids::kPneumatic, [&c, &s] { OnPneumatic(c, s); });
  c.Bind(ids::kThreePoint, [&c] { OnThreePoint(c); });
  c.Bind(ids::kAnalogue, [&c] { OnAnalogue(c); });
  c.Bind(ids::kCopperCapillary, [&c, &s] { FillCapillaryLengths(c, s.copperCapillaryLengths); });
  c.Bind(ids::kPvcCapillary, [&c, &s] { FillCapillaryLengths(c, s.pvcCapillaryLengths); });
  c.Bind(ids::kStainlessCapillary,
         [&c, &s] { FillCapillaryLengths(c, s.stainlessCapillaryLengths); });
  c.Bind(ids::kActuatorTicked, [&c, &s] { SetActuatorSection(c, s, false); });
  c.Bind(ids::kActuatorEmpty, [&c, &s] { SetActuatorSection(c, s, true); });
  c.Bind(ids::kControllerTicked, [&c, &s] { SetControllerSection(c, s, false); });
  c.Bind(ids::kControllerEmpty, [&c, &s] { SetControllerSection(c, s, true); });
  c.Bind(ids::kCalculate, [this] { OnCalculate(); });
  c.Bind(ids::kOtherConfiguration, [this] { OnOtherConfiguration(*this); });
  c.Bind(ids::kDensityCalc, [this] { OnDensityCalc(controls_, glycolTables_); });
  c.Bind(ids::kFlowCalc, [&c, &s] { OnFlowFromHeatLoad(c, s); });
  c.Bind(ids::kOpen, [this] { OnOpen(); });
  c.Bind(ids::kSaveAs, [this] { OnSaveAs(); });
  c.Bind(ids::kOk, [this] { OnExit(); });
  c.Bind(ids::kCancel, [this] { OnExit(); });
  c.Bind(ids::kCheckUpdate, [this] {
    bool reloaded = false;
    RunUpdateDialog(controls_, catalogue_, [this, &reloaded] {
      RebuildCapillaryLengths();
      reloaded = true;
    });
    if (reloaded && catalogueObserver_) catalogueObserver_();
  });
  documents_.Bind(c);
}

void SelectionForm::RebuildCapillaryLengths() {
  BuildCapillaryLengthLists(catalogue_, state_);
  const std::pair<int, const CapillaryLengthList*> metals[] = {
      {ids::kCopperCapillary, &state_.copperCapillaryLengths},
      {ids::kPvcCapillary, &state_.pvcCapillaryLengths},
      {ids::kStainlessCapillary, &state_.stainlessCapillaryLengths}};
  for (const auto& [radio, lengths] : metals) {
    if (!controls_.IsChecked(radio)) continue;
    const int selected = controls_.SelectedIndex(ids::kCapillaryLength);
    FillCapillaryLengths(controls_, *lengths);
    if (selected > 0 && selected < lengths->count) {
      controls_.SelectListEntry(ids::kCapillaryLength, selected);
    }
    return;
  }
}

void SelectionForm::Initialise(bool readSettingsFile) {
  InitialiseWith(
      [this] { return LoadCatalogue(working_files::Name(working_files::kCatalogue), catalogue_); },
      readSettingsFile);
}

void SelectionForm::InitialiseReadCatalogue(const LoadResult& catalogueLoad,
                                            bool readSettingsFile) {
  InitialiseWith([&catalogueLoad] { return catalogueLoad; }, readSettingsFile);
}

void SelectionForm::InitialiseWith(const std::function<LoadResult()>& loadCatalogue,
                                   bool readSettingsFile) {
  if (const LoadResult load = LoadSaturationTable(saturation_); !load) {
    controls_.ShowMessage(LoadFailureText(load));
  }

  ShowStartState();
  if (const LoadResult load = loadCatalogue(); !load) {
    controls_.ShowMessage(LoadFailureText(load));
  }
  BuildCapillaryLengthLists(catalogue_, state_);

  ClearCandidateLists(result_);

  // The nine document buttons stay visible: the result panels enable them for the product
  // shown, and nothing would show them again once hidden.

  // The settings file stays in the start-up folder whatever folder a file dialog visits later.
  settingsPath_ = QDir::current().absoluteFilePath(working_files::Name(working_files::kSettings));
  if (readSettingsFile) ReadSelectionFile(settingsPath_, settings_);
  ApplySettingsRecord(settings_, controls_, state_);

  controls_.SetCaption(CatalogueCaption(catalogue_));
}

void SelectionForm::ShowStartState() {
  state_.controllerSectionOn = 0;
  state_.controllerSectionAvailable = 1;
  state_.actuatorSectionOn = 0;
  state_.actuatorSectionAvailable = 1;
  RefreshControllerSwitch(controls_, state_);
  RefreshActuatorSwitch(controls_, state_);

  for (int id : {ids::kElectricLabels, ids::kElectricValues, ids::kPneumaticLabels,
                 ids::kPneumaticValues, ids::kThermostatLabels, ids::kThermostatValues}) {
    controls_.Show(id, false);
  }
  ShowElectricGroup(controls_, false);
  ShowThermostatGroup(controls_, false);
  ShowPneumaticGroup(controls_, false);

  FillUnitLists(controls_);
}

void SelectionForm::StartOver(const SettingsRecord& record) {
  request_ = SelectionRequest{};
  calculatedInputs_.reset();
  ResetSelectionResult(result_);
  texts_ = ResultTexts{};
  view_ = ResultView{};
  ShowStartState();
  settings_ = DefaultSettingsRecord();
  ApplySettingsRecord(settings_, controls_, state_);
  settings_ = record;
  ApplySettingsRecord(settings_, controls_, state_);
  ResultShown();
}

SettingsRecord SelectionForm::CurrentInputs() const {
  // Captured over the record last read or written, as saving does, without changing it; a
  // radio group with nothing checked chooses nothing.
  SettingsRecord inputs = settings_;
  ClearRadioChoices(inputs);
  CaptureSettingsRecord(controls_, state_, inputs);
  return inputs;
}

PanelChoices SelectionForm::CurrentChoices() const {
  return CapturePanelChoices(CurrentInputs(), state_);
}

QString SelectionForm::Report() const {
  return ComposeSelectionReport(result_, texts_,
                                state_.actuatorSectionOn != 0 && state_.controllerSectionOn != 0);
}

void SelectionForm::Draw(const ResultView& view) {
  view_ = view;
  DrawResultView(controls_, view_);
}

void SelectionForm::OnCalculate() {
  // The areas are cleared from the emptied lists before anything of this calculation is known.
  ClearCandidateLists(result_);
  Draw(ClearedResultView(CalculatedDataOf(request_, result_)));

  const SettingsRecord inputs = CurrentInputs();
  calculatedInputs_ = inputs;
  const CapturedRequest captured = CaptureRequest(inputs, request_);
  request_ = captured.request;
  if (captured.refusal) {
    RefuseSelection(result_, *captured.refusal);
  } else {
    RunSelection(request_, catalogue_, saturation_, result_);
  }

  const SelectionOutcome outcome = result_.outcome;
  if (outcome == InvalidInput) {
    controls_.ShowMessage(SelectionMessageText(result_.message));
  } else {
    ShowResult(CapturePanelChoices(inputs, state_));
    if (const QString message = SelectionMessageText(result_.message); !message.isEmpty())
      controls_.ShowMessage(message);
  }
  controls_.Enable(ids::kOtherConfiguration, outcome == Found);
  ResultShown();
}

void SelectionForm::ShowResult(const PanelChoices& choices) {
  if (result_.cavitationWarning) controls_.ShowMessage(CavitationWarningText(request_.product));
  texts_ = ShownResultTexts(texts_, choices, result_);
  Draw(ComposeResultView(request_, result_, catalogue_, texts_, choices));
}

void SelectionForm::OnOpen() {
  const std::optional<QString> path = controls_.ChooseFileToOpen(SelectionFileDialog());
  if (path) OpenSelectionFile(*path);
}

void SelectionForm::OnSaveAs() {
  const std::optional<QString> path = controls_.ChooseFileToSave(SelectionFileDialog());
  if (path) SaveSelectionFile(*path);
}

void SelectionForm::OnExit() {
  CaptureSettingsRecord(controls_, state_, settings_);
  // The user asked to leave: a file that cannot be written is reported, and the program ends.
  if (const WriteResult written = WriteSettingsFile(settingsPath_, settings_); !written) {
    controls_.ShowMessage(SettingsNotSavedMessage(settingsPath_, written));
  }
  if (closeHandler_) closeHandler_();
}

bool SelectionForm::OpenSelectionFile(const QString& path) {
  SettingsRecord record = settings_;
  if (!ReadSelectionFile(path, record)) return false;
  OpenSettingsRecord(record);
  return true;
}

void SelectionForm::OpenSettingsRecord(const SettingsRecord& record) {
  settings_ = record;
  ApplySettingsRecord(settings_, controls_, state_);
}

bool SelectionForm::SaveSelectionFile(const QString& path) {
  CaptureSettingsRecord(controls_, state_, settings_);
  const WriteResult written = WriteSelectionFile(path, settings_);
  if (!written) controls_.ShowMessage(SelectionNotSavedMessage(path, written));
  return static_cast<bool>(written);
}

void SelectionForm::ApplyCandidateChoice(int candidate, int actuator) {
  ShowCandidate(result_, request_, saturation_, {candidate, actuator});
  ShowResult(CurrentChoices());
  ResultShown();
}

void SelectionForm::ResultShown() {
  controls_.Enable(ids::kCheckWindow, result_.check.has_value());
  if (resultObserver_) resultObserver_(result_);
}

bool SelectionForm::HoldsCandidateChoice(int candidate, int actuator) const {
  return HoldsChoice(result_, {candidate, actuator});
}

}  // namespace selvio
