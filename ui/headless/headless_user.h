#pragma once

#include <optional>
#include <string>

#include "ui/message_box.h"
#include "ui/platform.h"
#include "ui/window_handle.h"

namespace ui::headless {

class HeadlessBackend;

struct MessageRequest {
    WindowHandle owner = 0;
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// The person in front of the in-memory screen: tests and the native scenario runner play it.
class HeadlessUser {
  public:
    virtual ~HeadlessUser() = default;
    // A modal dialog is up: act on it through the backend until it has ended.
    virtual void OnDialog(HeadlessBackend& backend, WindowHandle dialog) = 0;
    virtual MessageAnswer OnMessage(const MessageRequest& request) = 0;
    // The file-open dialog: a full path, or nothing for Cancel.
    virtual std::optional<std::string> OnFileOpen(const FileOpenRequest& request) = 0;
};

}  // namespace ui::headless
