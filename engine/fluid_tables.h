#pragma once

#include <QString>
#include <vector>

#include "catalogue/load_result.h"
#include "engine/saturation_table.h"

namespace selvio {

// A property tabulated over two axes (for the glycol tables: density in t/m³ over the glycol
// concentration in % and the temperature in °C). The value at first-axis index i and
// second-axis index j is values[i + j·N]. An unloaded table has N = M = 0.
struct PropertyTable {
  std::vector<float> values;
  std::vector<float> firstAxis;   // N entries, ascending
  std::vector<float> secondAxis;  // M entries, ascending
  int firstCount = 0;             // N
  int secondCount = 0;            // M
};

// Largest N or M a property table file may declare; more is taken as a damaged file.
inline constexpr int kPropertyAxisLimit = 1000;

// The largest data files read, whole, before they are parsed; a larger file, or anything but a
// regular file (a FIFO, a device), counts as one that cannot be opened. A table of the largest
// axes (10⁶ values of a few characters each) fits; 1000 pairs of the saturation table take 30 KB.
inline constexpr qint64 kPropertyTableFileLimit = qint64{16} * 1024 * 1024;
inline constexpr qint64 kSaturationFileLimit = qint64{1} * 1024 * 1024;

// Fills `table` from "Рнас.dat" in the working directory: white-space separated pairs of the
// pressure in bar and the temperature in °C. A pair counts only when the end of the file lies
// after its temperature; reading stops at 1000 pairs or at the first item that is not a number,
// keeping the pairs counted before it. A file that cannot be opened, or is larger than
// kSaturationFileLimit, leaves the table unchanged and fails with SaturationTableMissing ("Не
// хватает файла данных Рнас! Пожалуйста, переустановите программу.").
LoadResult LoadSaturationTable(SaturationTable& table);

// Fills `table` from the file `fileName`: N, M, the N first-axis values, the M second-axis values
// and the N·M grid values, for each second-axis point the N values of the first axis. A file
// that cannot be opened (kPropertyTableFileLimit), declares N or M outside 1..1000, holds an
// item that is not a number or ends early leaves the table unloaded. No message is shown.
void LoadPropertyTable(const QString& fileName, PropertyTable& table);

// Value at (a, b) from the two edges that meet at the lower corner (i, j) of the enclosing cell:
//   r = c + (ca − c)·(a − x_i)/(x_k − x_i) + (cb − c)·(b − y_j)/(y_l − y_j),
// c = value(i, j), ca = value(k, j), cb = value(i, l); a term is left out when its two axis
// values are equal. 0 when a or b lies outside its axis or the table is unloaded.
float InterpolatePropertyTable(const PropertyTable& table, float a, float b);

// The last first-axis value, or 0 when N < 1.
float FirstAxisMaximum(const PropertyTable& table);

}  // namespace selvio
