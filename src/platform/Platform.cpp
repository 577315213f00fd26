#include "Platform.h"

#include <cstdio>
#include <utility>

#include "zorTools.h"

using namespace zorsteel;

namespace {

void WriteLineToStandardError(const wchar_t* text)
{
    char buffer[5120];
    std::fprintf(stderr, "%s\n", tchar2char(text, buffer, sizeof buffer));
}

MessageHandler& MessageBoxHandler()
{
    static MessageHandler handler;
    return handler;
}

MessageHandler& DebugOutputHandler()
{
    static MessageHandler handler;
    return handler;
}

MessageHandler Replace(MessageHandler& slot, MessageHandler handler)
{
    return std::exchange(slot, std::move(handler));
}

// A host's handler that throws does not get its exception back through the
// library: the message is then as good as shown.
void Deliver(const MessageHandler& handler, const wchar_t* text)
{
    if (!text) text = L"";
    try {
        if (handler)
            handler(text);
        else
            WriteLineToStandardError(text);
    } catch (...) {
    }
}

} // namespace

MessageHandler zorsteel::SetMessageBoxHandler(MessageHandler handler)
{
    return Replace(MessageBoxHandler(), std::move(handler));
}

MessageHandler zorsteel::SetDebugOutputHandler(MessageHandler handler)
{
    return Replace(DebugOutputHandler(), std::move(handler));
}

int zorsteel::AfxMessageBox(const wchar_t* text)
{
    Deliver(MessageBoxHandler(), text);
    return 1;
}

void zorsteel::OutputDebugStringW(const wchar_t* text) { Deliver(DebugOutputHandler(), text); }
