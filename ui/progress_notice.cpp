#include "ui/progress_notice.h"

#include "resources/resource_ids.h"

namespace ui {

ProgressNotice::ProgressNotice(Backend& backend)
    : backend_(backend), window_(backend.CreateModeless(kProgressNoticeTemplate)) {}

void ProgressNotice::Close() {
    if (window_ != 0) {
        backend_.DestroyModeless(window_);
        window_ = 0;
    }
}

}  // namespace ui
