// Stand-ins for the few host-platform services the library uses: the user
// message box, the debugger output channel and the folder of the running
// executable. A host replaces the message channels with its own handlers.
#pragma once

#include <functional>

#include "CString.h"
#include "Export.h"

namespace zorsteel {

// Receives the text of one message. Handlers run on the thread that raised
// the message, so a handler may be called from several threads at once (the
// threads of RunMembers, or a host's own): it must be safe to call so.
// Installing a handler is a set-up call, made while no other thread checks
// members.
using MessageHandler = std::function<void(const wchar_t* text)>;

// Installs the handler that receives user messages (file problems such as a
// missing catalogue or equation image) and returns the one it replaces. An
// empty handler restores the default: the text as one line on standard error.
ZORSTEEL_API MessageHandler SetMessageBoxHandler(MessageHandler handler);

// Installs the handler of the debugger output channel (notices such as an
// unknown section name) and returns the one it replaces. An empty handler
// restores the default: the text as one line on standard error.
ZORSTEEL_API MessageHandler SetDebugOutputHandler(MessageHandler handler);

// Shows a user message through the installed handler; returns 1 (OK).
int AfxMessageBox(const wchar_t* text);

// Sends a notice to the debugger output channel through the installed handler.
void OutputDebugStringW(const wchar_t* text);

} // namespace zorsteel
