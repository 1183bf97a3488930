#pragma once

#include <string>

#include "ui/win32/windows_api.h"

namespace ui {

// The HTML Help viewer of the system, loaded from the system folder when help is first asked
// for, so that the tool starts where it is missing. Its windows close when this goes.
class HtmlHelpViewer {
  public:
    HtmlHelpViewer() = default;
    ~HtmlHelpViewer();
    HtmlHelpViewer(const HtmlHelpViewer&) = delete;
    HtmlHelpViewer& operator=(const HtmlHelpViewer&) = delete;

    // Shows the topic of the context id over the window; a missing help file or viewer is told
    // in a message box that the window owns.
    void ShowTopic(HWND requester, const std::string& helpFile, int contextId);

  private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    HtmlHelpFunction Load();

    HMODULE library_ = nullptr;
    HtmlHelpFunction htmlHelp_ = nullptr;
};

}  // namespace ui
