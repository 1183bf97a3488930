#pragma once

#include "ui/backend.h"

namespace ui {

// The modeless "Retrieving and validating fax records..." window, up while a long list fills.
class ProgressNotice {
  public:
    explicit ProgressNotice(Backend& backend);
    ~ProgressNotice() { Close(); }
    ProgressNotice(const ProgressNotice&) = delete;
    ProgressNotice& operator=(const ProgressNotice&) = delete;
    void Close();

  private:
    Backend& backend_;
    WindowHandle window_;
};

}  // namespace ui
