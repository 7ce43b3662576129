#include "platform/StderrMessageSink.h"

#include <cstdio>

namespace orvel {

void StderrMessageSink::showMessage(const QString &text)
{
    printLine(text);
}

void StderrMessageSink::printLine(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

bool StderrMessageSink::askYesNo(const QString &text)
{
    showMessage(text);
    return false;
}

} // namespace orvel
