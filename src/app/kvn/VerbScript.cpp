#include "app/kvn/Kvn.h"

namespace kvn {

void AddScriptVerbs(CLI::App&) {}

} // namespace kvn
