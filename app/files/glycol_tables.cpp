#include "app/files/glycol_tables.h"

#include "platform/working_files.h"

namespace selvio {

void LoadGlycolTables(GlycolTables& tables) {
  LoadPropertyTable(working_files::Name(working_files::kEthyleneGlycolTable), tables.ethylene);
  LoadPropertyTable(working_files::Name(working_files::kPropyleneGlycolTable), tables.propylene);
}

}  // namespace selvio
