#include "app/kvn/Kvn.h"

namespace kvn {

void AddPlayVerb(CLI::App&) {}

} // namespace kvn
