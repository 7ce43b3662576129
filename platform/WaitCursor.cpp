#include "platform/WaitCursor.h"

#include "platform/MessageSink.h"

namespace orvel {

WaitCursor::WaitCursor(MessageSink &sink) : m_sink(sink) { m_sink.setBusy(true); }

WaitCursor::~WaitCursor() { m_sink.setBusy(false); }

} // namespace orvel
