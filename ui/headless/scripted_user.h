#pragma once

#include <functional>
#include <stdexcept>

#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_user.h"

namespace ui::headless {

// A user for unit tests: each kind of window is answered by a function the test sets. A window
// the test did not expect fails the test loudly.
class ScriptedUser : public HeadlessUser {
  public:
    std::function<void(HeadlessBackend&, WindowHandle)> onDialog;
    std::function<MessageAnswer(const MessageRequest&)> onMessage;
    std::function<std::optional<std::string>(const FileOpenRequest&)> onFileOpen;
    std::vector<MessageRequest> messages;  // every message shown, in order

    void OnDialog(HeadlessBackend& backend, WindowHandle dialog) override {
        if (!onDialog) {
            throw std::logic_error("unexpected dialog \"" + backend.GetTitle(dialog) + "\"");
        }
        onDialog(backend, dialog);
    }
    MessageAnswer OnMessage(const MessageRequest& request) override {
        messages.push_back(request);
        return onMessage ? onMessage(request) : MessageAnswer::Ok;
    }
    std::optional<std::string> OnFileOpen(const FileOpenRequest& request) override {
        if (!onFileOpen) {
            throw std::logic_error("unexpected file dialog \"" + request.title + "\"");
        }
        return onFileOpen(request);
    }
};

}  // namespace ui::headless
