#pragma once

#include <windows.h>

namespace host {

// A synchronous question to a window of the tool; for messages that never open a window, since
// the tool's answer would wait for us otherwise. 0 when the tool does not answer in time.
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Queues a message as a user's input would arrive and returns at once: the tool may open a modal
// window while handling it. Sent (not posted), so that Settle's round trip comes after it.
void Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Waits until the tool has handled everything delivered so far and waits for input again (or
// sits in the modal loop of a window it opened meanwhile).
void Settle(HWND anchor);

// Handles our own windows' messages for about this long.
void Pump(DWORD milliseconds);

}  // namespace host
