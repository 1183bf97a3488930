#include "ui/dialog.h"

namespace ui {

void Dialog::EndDialog(int code) {
    if (handle_ != 0) {
        backend_.EndDialog(handle_, code);
    }
}

bool Dialog::HandleInitDialog(WindowHandle handle) {
    handle_ = handle;
    return OnInitDialog();
}

void Dialog::HandleCommand(int id, int notification) {
    for (const CommandRoute& route : commands_) {
        if (route.id == id && route.notification == notification) {
            route.handler();
            return;
        }
    }
    if (notification == kNotifyClicked && id == kIdOk) {
        OnOK();
    } else if (notification == kNotifyClicked && id == kIdCancel) {
        OnCancel();
    }
}

int Dialog::HandleVKeyToItem(int listId, int key, int caret) {
    for (const KeyRoute& route : keys_) {
        if (route.listId == listId) {
            return route.handler(key, caret);
        }
    }
    return kKeyDefaultAction;
}

void Dialog::OnCommand(int id, int notification, std::function<void()> handler) {
    commands_.push_back({id, notification, std::move(handler)});
}

void Dialog::OnVKeyToItem(int listId, std::function<int(int, int)> handler) {
    keys_.push_back({listId, std::move(handler)});
}

}  // namespace ui
