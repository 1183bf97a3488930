#include "ui/win32/html_help.h"

#include <htmlhelp.h>

#include "ui/help_messages.h"

namespace ui {

HtmlHelpViewer::~HtmlHelpViewer() {
    if (htmlHelp_ != nullptr) {
        htmlHelp_(nullptr, nullptr, HH_CLOSE_ALL, 0);
    }
}

HtmlHelpViewer::HtmlHelpFunction HtmlHelpViewer::Load() {
    if (library_ != nullptr) {
        return htmlHelp_;
    }
    // From the system folder by its full path: a file of that name anywhere else is not ours.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::wstring path = std::wstring(folder, length) + L"\\hhctrl.ocx";
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    library_ = LoadLibraryW(path.c_str());
    SetErrorMode(previousMode);
    if (library_ != nullptr) {
        htmlHelp_ = reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void*>(GetProcAddress(library_, "HtmlHelpA")));
    }
    return htmlHelp_;
}

void HtmlHelpViewer::ShowTopic(HWND requester, const std::string& helpFile, int contextId) {
    std::string problem;
    if (GetFileAttributesA(helpFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
        problem = MissingHelpFileMessage(helpFile);
    } else if (const HtmlHelpFunction htmlHelp = Load()) {
        htmlHelp(requester, helpFile.c_str(), HH_HELP_CONTEXT, static_cast<DWORD_PTR>(contextId));
        return;
    } else {
        problem = kNoHelpViewerMessage;
    }
    MessageBoxA(requester, problem.c_str(), kHelpMessageCaption, MB_OK | MB_ICONERROR);
}

}  // namespace ui
