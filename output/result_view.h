#pragma once

#include <QString>

#include "catalogue/catalogue_records.h"
#include "engine/selection_request.h"
#include "engine/selection_result.h"
#include "output/panel_choices.h"
#include "output/panel_texts.h"
#include "output/product_documents.h"
#include "output/result_texts.h"

namespace selvio {

// The label block shown beside the product's values.
enum class ProductLabels { None, Valve, DpRegulator, ReducingValve };
// The actuator block shown, labels and values.
enum class ActuatorBlock { None, Electric, Pneumatic, Thermostat };

// What the four result areas of the form show: the product's and the actuator's label block
// and values, the controller kit, the calculated data, and the files behind each area's three
// document buttons (a button opens something only for a name of more than one character).
// Value texts of blocks not shown are left as they were.
struct ResultView {
  ProductLabels productLabels = ProductLabels::None;
  QString productValues;
  ActuatorBlock actuator = ActuatorBlock::None;
  QString actuatorValues;
  bool controllerShown = false;
  QString controllerValues;
  QString calculatedData;
  ProductDocumentFiles productDocuments;
  ProductDocumentFiles actuatorDocuments;
  ProductDocumentFiles controllerDocuments;
};

// The areas a calculation clears before anything of it is known: nothing shown but the
// calculated data of `previous`, the figures still held from before.
ResultView ClearedResultView(const CalculatedData& previous);

// The areas for the product the result shows, sized for `request`, with the texts of the
// form's choices as they were updated for this result.
ResultView ComposeResultView(const SelectionRequest& request, const SelectionResult& result,
                             const Catalogue& catalogue, const ResultTexts& texts,
                             const PanelChoices& choices);

// The figures of the calculated-data area of a result.
CalculatedData CalculatedDataOf(const SelectionRequest& request, const SelectionResult& result);

// The warning a result's cavitation flag raises, by the product sized.
QString CavitationWarningText(ProductKind product);

}  // namespace selvio
