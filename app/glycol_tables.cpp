#include "app/glycol_tables.h"

namespace selvio {

void LoadGlycolTables(GlycolTables& tables) {
  LoadPropertyTable(QStringLiteral("etilenglikol.dat"), tables.ethylene);
  LoadPropertyTable(QStringLiteral("propilenglikol.dat"), tables.propylene);
}

}  // namespace selvio
