#include "app/kvn/Kvn.h"

namespace kvn {

void AddSettingsVerb(CLI::App&) {}

} // namespace kvn
