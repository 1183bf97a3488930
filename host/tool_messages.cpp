#include "host/tool_messages.h"

namespace host {

namespace {

constexpr UINT kAnswerTimeout = 5000;
constexpr UINT kSettleTimeout = 20000;

}  // namespace

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kAnswerTimeout,
                             &result)) {
        return 0;
    }
    return static_cast<LRESULT>(result);
}

void Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SendNotifyMessageW(window, message, wParam, lParam);
}

void Settle(HWND anchor) {
    DWORD_PTR result = 0;
    if (!IsWindow(anchor) ||
        !SendMessageTimeoutW(anchor, WM_NULL, 0, 0, SMTO_NORMAL, kSettleTimeout, &result)) {
        Pump(20);
    }
}

void Pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (true) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

}  // namespace host
