#include "app/kvn/Kvn.h"

namespace kvn {

void AddFileVerbs(CLI::App&) {}

} // namespace kvn
