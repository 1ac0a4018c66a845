#include "engine/fluid_tables.h"

#include <optional>
#include <string_view>
#include <utility>

#include "platform/c_numbers.h"
#include "platform/whole_file.h"
#include "platform/working_files.h"

namespace selvio {
namespace {

// Reads numbers one after another the way a text stream extracts them: blanks are skipped
// before each, and the end of the data is "reached" once a number ends at its last character
// or a read finds nothing but blanks.
class NumberReader {
 public:
  explicit NumberReader(std::string_view data) : data_(data) {}

  bool AtEnd() const { return atEnd_; }

  std::optional<float> Float() { return Read(ScanFloatAt); }
  std::optional<int> Int() { return Read(ScanIntAt); }

 private:
  template <class T>
  std::optional<T> Read(std::optional<T> (*scan)(std::string_view, std::size_t&)) {
    std::optional<T> value = scan(data_, pos_);
    if (pos_ >= data_.size()) atEnd_ = true;
    return value;
  }

  std::string_view data_;
  std::size_t pos_ = 0;
  bool atEnd_ = false;
};

std::optional<QByteArray> ReadWholeFile(const QString& fileName, qint64 limit) {
  ReadResult read = ReadFileWhole(fileName, limit);
  if (!read) return std::nullopt;
  return std::move(read.bytes);
}

std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

bool ReadFloats(NumberReader& reader, std::vector<float>& out, std::size_t n) {
  out.resize(n);
  for (float& value : out) {
    const std::optional<float> read = reader.Float();
    if (!read) return false;
    value = *read;
  }
  return true;
}

// Indices i (largest with axis[i] <= x) and k (smallest with axis[k] >= x); none when x lies
// outside the axis.
struct Bracket {
  int lower = -1;
  int upper = -1;
};

std::optional<Bracket> BracketOf(const std::vector<float>& axis, int count, float x) {
  Bracket b;
  for (int i = 0; i < count; ++i) {
    if (axis[static_cast<std::size_t>(i)] <= x) b.lower = i;
  }
  for (int i = count - 1; i >= 0; --i) {
    if (axis[static_cast<std::size_t>(i)] >= x) b.upper = i;
  }
  if (b.lower < 0 || b.upper < 0) return std::nullopt;
  return b;
}

}  // namespace

LoadResult LoadSaturationTable(SaturationTable& table) {
  const std::optional<QByteArray> bytes =
      ReadWholeFile(working_files::Name(working_files::kSaturationTable), kSaturationFileLimit);
  if (!bytes) return {LoadFailure::SaturationTableMissing, {}, 0};
  NumberReader reader(View(*bytes));
  int count = 0;
  while (!reader.AtEnd() && count < kSaturationCapacity) {
    const std::optional<float> pressure = reader.Float();
    const std::optional<float> temperature = pressure ? reader.Float() : std::nullopt;
    if (!temperature || reader.AtEnd()) break;
    table.pressures[static_cast<std::size_t>(count)] = *pressure;
    table.temperatures[static_cast<std::size_t>(count)] = *temperature;
    ++count;
  }
  table.count = count;
  return {};
}

void LoadPropertyTable(const QString& fileName, PropertyTable& table) {
  table = PropertyTable{};
  const std::optional<QByteArray> bytes = ReadWholeFile(fileName, kPropertyTableFileLimit);
  if (!bytes) return;
  NumberReader reader(View(*bytes));
  const std::optional<int> n = reader.Int();
  const std::optional<int> m = n ? reader.Int() : std::nullopt;
  if (!n || !m || *n < 1 || *m < 1 || *n > kPropertyAxisLimit || *m > kPropertyAxisLimit) return;

  PropertyTable loaded;
  const auto nn = static_cast<std::size_t>(*n);
  const auto mm = static_cast<std::size_t>(*m);
  if (!ReadFloats(reader, loaded.firstAxis, nn) || !ReadFloats(reader, loaded.secondAxis, mm) ||
      !ReadFloats(reader, loaded.values, nn * mm)) {
    return;
  }
  loaded.firstCount = *n;
  loaded.secondCount = *m;
  table = std::move(loaded);
}

float InterpolatePropertyTable(const PropertyTable& table, float a, float b) {
  const auto n = static_cast<std::size_t>(table.firstCount);
  const auto m = static_cast<std::size_t>(table.secondCount);
  if (table.firstCount < 1 || table.secondCount < 1 || table.firstAxis.size() < n ||
      table.secondAxis.size() < m || table.values.size() < n * m) {
    return 0;
  }
  const std::optional<Bracket> x = BracketOf(table.firstAxis, table.firstCount, a);
  if (!x) return 0;
  const std::optional<Bracket> y = BracketOf(table.secondAxis, table.secondCount, b);
  if (!y) return 0;
  const auto at = [&table](int i, int j) {
    return table.values[static_cast<std::size_t>(i + j * table.firstCount)];
  };
  const float c = at(x->lower, y->lower);
  const float ca = at(x->upper, y->lower);
  const float cb = at(x->lower, y->upper);
  const float xi = table.firstAxis[static_cast<std::size_t>(x->lower)];
  const float xk = table.firstAxis[static_cast<std::size_t>(x->upper)];
  const float yj = table.secondAxis[static_cast<std::size_t>(y->lower)];
  const float yl = table.secondAxis[static_cast<std::size_t>(y->upper)];
  float r = c;
  if (xi != xk) r = r + (ca - c) * (a - xi) / (xk - xi);
  if (yj != yl) r = r + (cb - c) * (b - yj) / (yl - yj);
  return r;
}

float FirstAxisMaximum(const PropertyTable& table) {
  if (table.firstCount < 1) return 0;
  return table.firstAxis[static_cast<std::size_t>(table.firstCount - 1)];
}

}  // namespace selvio
