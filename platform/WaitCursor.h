#pragma once

namespace orvel {

class MessageSink;

// Shows the wait cursor for its own lifetime.
class WaitCursor {
public:
    explicit WaitCursor(MessageSink &sink);
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    MessageSink &m_sink;
};

} // namespace orvel
