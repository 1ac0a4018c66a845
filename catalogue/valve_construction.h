#pragma once

#include <QString>

// The valve style a catalogue's construction text ("конструкция") names, as the rows of
// IEC 60534-2-1:2011, Annex A, Table A.1 tell the styles apart.
namespace selvio {

// The rows of Table A.1 that the catalogue's constructions lead to.
enum class ValveStyle {
  GlobeSingleSeatContouredPlugFlowToOpen,  // globe, single port, contoured plug, flow to open
  GlobeDoubleSeatContouredPlug,            // globe, double port, contoured plug
  BallFull,                                // ball, full ball (70°)
  BallSegmented,                           // ball, segmented ball
  ButterflySwingThrough70,                 // butterfly (centred shaft), swing-through (70°)
  ButterflyOffsetSeat70,                   // butterfly (eccentric shaft), offset seat (70°)
};

// How the row was found.
enum class StyleBasis {
  Construction,   // the construction text names it
  NotRecognised,  // the text (or its absence) names no row: the single-seat globe row is taken
  Regulator,      // a regulator or reducing valve, a single-seat globe valve with its own plug
};

struct StyleMatch {
  ValveStyle style = ValveStyle::GlobeSingleSeatContouredPlugFlowToOpen;
  StyleBasis basis = StyleBasis::NotRecognised;
};

// The row named by a construction text ("конструкция"), by the words in it, in any case:
// "шаров…" a ball valve ("сегмент…" or "V-образ…" a segmented one); "затвор" or "дисков…" a
// butterfly valve ("эксцентри…" with an offset seat); "двухседельн…" a double-port globe;
// "седельн…" a single-port globe. The bundled catalogue's texts ("седельный, чугун СЧ20",
// "трехходовой седельный, бронза", "седельный разгруженный, ВЧ40", "шаровой …") all lead to a
// row.
StyleMatch StyleOfConstruction(const QString& construction);

}  // namespace selvio
