#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "app/files/glycol_tables.h"
#include "app/files/settings_record.h"
#include "app/form/document_commands.h"
#include "app/form/form_state.h"
#include "catalogue/catalogue_records.h"
#include "catalogue/load_result.h"
#include "engine/saturation_table.h"
#include "engine/selection_request.h"
#include "engine/selection_result.h"
#include "output/panel_choices.h"
#include "output/result_texts.h"
#include "output/result_view.h"
#include "platform/form_controls.h"
#include "platform/working_files.h"

namespace selvio {

// The selection form's logic over its controls: start-up, the mode rules bound to the
// controls, the calculation, the selection files and the exit routine. It owns the form's
// working data; the catalogue and the glycol tables are the program's and are only held.
class SelectionForm {
 public:
  // Asked to close the main window once the exit routine has saved the settings.
  using CloseHandler = std::function<void()>;
  // Told of each result the form has shown: a calculation's (a refusal too), another candidate
  // chosen, or the emptied result of StartOver.
  using ResultObserver = std::function<void(const SelectionResult&)>;
  // Told after an update replaced the catalogue, once its dialog has closed.
  using CatalogueObserver = std::function<void()>;

  // Binds every handler of the form to `controls`; nothing else happens until Initialise.
  SelectionForm(FormControls& controls, Catalogue& catalogue, const GlycolTables& glycolTables);
  SelectionForm(const SelectionForm&) = delete;
  SelectionForm& operator=(const SelectionForm&) = delete;

  // Fills the form in its start-up order: tables, section switches, unit lists, catalogue
  // ("xmldata.xml"), capillary lengths, the settings file "user.bin" (or, with
  // `readSettingsFile` false, the defaults alone), and the caption.
  void Initialise(bool readSettingsFile = true);
  // As Initialise, for a caller that has already read "xmldata.xml" into the catalogue the form
  // holds, as LoadCatalogue does (the window reads it while its widgets are built):
  // `catalogueLoad` is what that read returned, its message shown in the catalogue's place.
  void InitialiseReadCatalogue(const LoadResult& catalogueLoad, bool readSettingsFile = true);

  // Puts the form back as a first start without a settings file leaves it (the data files stay
  // loaded), forgets the last calculation, and sets the form from `record` as "Открыть" does.
  // Sizing many points on one form this way carries nothing from one point to the next.
  void StartOver(const SettingsRecord& record);

  // "Расчет" (1072): clears the result areas (the calculated data keeps the previous figures),
  // captures the request from the form's inputs, runs the engine unless the capture refused the
  // request, shows a refusal's message or else the result, then the outcome's message, and
  // enables "Другая конфигурация" only when something was found.
  void OnCalculate();
  // "Открыть" (1109) and "Сохранить как" (1110) through the file dialogs.
  void OnOpen();
  void OnSaveAs();
  // "Выход" (1), Enter and Esc: saves the inputs into "user.bin" (a link in its place is
  // replaced, not written through), says so in a message when it cannot, then asks to close.
  void OnExit();

  // What "Открыть" does with the chosen file: reads it over the settings record and, when it
  // could be read, sets the form from it. False when the file was ignored.
  bool OpenSelectionFile(const QString& path);
  // What "Открыть" does with a record read: it becomes the settings record and sets the form.
  void OpenSettingsRecord(const SettingsRecord& record);
  // What "Сохранить как" does with the chosen name: the file written whole or, with a message
  // saying why, not at all (the previous file as it was). False when nothing was written.
  bool SaveSelectionFile(const QString& path);

  // A confirmed choice of the candidate dialog: shows that candidate and actuator, with the
  // figures the engine computes for it, and redraws the result areas with the form's choices as
  // they are now.
  void ApplyCandidateChoice(int candidate, int actuator);
  // Whether the candidate dialog could confirm this pair for the last calculation: a candidate
  // of the filled list and one of its actuators, or -1 when it has none.
  bool HoldsCandidateChoice(int candidate, int actuator) const;

  // The form's inputs as they stand, in the record the files hold.
  SettingsRecord CurrentInputs() const;
  // The inputs the last "Расчет" captured; nothing before the first one after start or
  // StartOver.
  const std::optional<SettingsRecord>& CalculatedInputs() const { return calculatedInputs_; }
  // The form's choices the result areas print, as they stand.
  PanelChoices CurrentChoices() const;
  // The selection report of the shown result, with the controller kit when both sections are
  // switched on now.
  QString Report() const;

  void SetCloseHandler(CloseHandler handler) { closeHandler_ = std::move(handler); }
  void SetResultObserver(ResultObserver observer) { resultObserver_ = std::move(observer); }
  void SetCatalogueObserver(CatalogueObserver observer) {
    catalogueObserver_ = std::move(observer);
  }

  FormControls& Controls() { return controls_; }
  const Catalogue& CatalogueData() const { return catalogue_; }
  const GlycolTables& Glycol() const { return glycolTables_; }
  const SaturationTable& Saturation() const { return saturation_; }
  const SelectionRequest& Request() const { return request_; }
  const SelectionResult& Result() const { return result_; }
  const FormState& State() const { return state_; }
  const ResultTexts& Texts() const { return texts_; }
  // What the result areas show since they were last drawn.
  const ResultView& ShownView() const { return view_; }
  const SettingsRecord& Settings() const { return settings_; }
  // Export, print, e-mail and the document buttons; the window gives them its desktop.
  DocumentCommands& Documents() { return documents_; }

 private:
  // After a catalogue reload: the length lists are built anew, and list 1076 shows the new
  // lengths of the checked capillary metal, on the same line while the list still holds it.
  void RebuildCapillaryLengths();
  void BindHandlers();
  // Initialise's steps, with `loadCatalogue` filling the catalogue at its place among them.
  void InitialiseWith(const std::function<LoadResult()>& loadCatalogue, bool readSettingsFile);
  // The section switches, the hidden actuator groups and the unit lists of a first start.
  void ShowStartState();
  // Shows the result: its cavitation warning, then the areas for its shown product.
  void ShowResult(const PanelChoices& choices);
  void Draw(const ResultView& view);
  // "Проверка" is offered while the shown product has a check; then the observer is told.
  void ResultShown();

  FormControls& controls_;
  Catalogue& catalogue_;
  const GlycolTables& glycolTables_;
  SaturationTable saturation_;
  SelectionRequest request_;
  SelectionResult result_;
  FormState state_;
  ResultTexts texts_;
  ResultView view_;
  SettingsRecord settings_ = DefaultSettingsRecord();
  std::optional<SettingsRecord> calculatedInputs_;
  QString settingsPath_ = working_files::Name(working_files::kSettings);
  CloseHandler closeHandler_;
  ResultObserver resultObserver_;
  CatalogueObserver catalogueObserver_;
  DocumentCommands documents_{*this};
};

}  // namespace selvio
