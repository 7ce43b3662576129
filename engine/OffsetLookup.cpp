#include "engine/OffsetLookup.h"

namespace orvel {

OffsetLookup::~OffsetLookup() = default;

} // namespace orvel
