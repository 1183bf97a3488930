#include "ui/win32/html_help.h"

#include <htmlhelp.h>

#include "ui/help_messages.h"
#include "ui/win32/library_loading.h"

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
    library_ = LoadSystemLibrary("hhctrl.ocx");
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
