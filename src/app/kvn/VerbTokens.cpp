#include "app/kvn/Kvn.h"

namespace kvn {

void AddTokensVerb(CLI::App&) {}

} // namespace kvn
