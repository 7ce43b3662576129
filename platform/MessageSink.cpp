#include "platform/MessageSink.h"

namespace orvel {

MessageSink::~MessageSink() = default;

} // namespace orvel
