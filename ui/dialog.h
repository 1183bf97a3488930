#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/backend.h"

namespace ui {

// A modal dialog on a resource template, written once for every backend. Derived dialogs
// register their command routes in their constructor and override the three virtual steps.
class Dialog {
  public:
    Dialog(Backend& backend, int templateId) : backend_(backend), templateId_(templateId) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // The end code, or -1 when the dialog cannot be created.
    int DoModal() { return backend_.RunModal(*this); }
    void EndDialog(int code);

    int TemplateId() const { return templateId_; }
    WindowHandle Handle() const { return handle_; }
    Backend& backend() const { return backend_; }

    // Entry points for the backends.
    bool HandleInitDialog(WindowHandle handle);
    void HandleCommand(int id, int notification);
    int HandleVKeyToItem(int listId, int key, int caret);
    void HandleDestroyed() { handle_ = 0; }

  protected:
    // Returns true when the focus is left to the default.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(kIdOk); }
    virtual void OnCancel() { EndDialog(kIdCancel); }

    void OnCommand(int id, int notification, std::function<void()> handler);
    // Key presses that a list box with LBS_WANTKEYBOARDINPUT reports to its owner.
    void OnVKeyToItem(int listId, std::function<int(int key, int caret)> handler);

    void SetTitle(std::string_view title) { backend_.SetTitle(handle_, title); }
    std::string GetTitle() const { return backend_.GetTitle(handle_); }
    void BringToForeground() { backend_.BringToForeground(handle_); }
    MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::Ok) {
        return backend_.ShowMessage(handle_, text, caption, icon, buttons);
    }

  private:
    struct CommandRoute {
        int id;
        int notification;
        std::function<void()> handler;
    };
    struct KeyRoute {
        int listId;
        std::function<int(int, int)> handler;
    };

    Backend& backend_;
    int templateId_;
    WindowHandle handle_ = 0;
    std::vector<CommandRoute> commands_;
    std::vector<KeyRoute> keys_;
};

}  // namespace ui
