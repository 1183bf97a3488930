#pragma once

#include "ui/backend.h"
#include "ui/platform.h"

namespace app {

// The process's one application object: its start-up performs one import run.
class ImportApp {
  public:
    ImportApp(ui::Backend& backend, ui::Platform& platform)
        : backend_(backend), platform_(platform) {}
    // Performs the run and returns 0, so that the process ends without a message loop.
    int InitInstance();

  private:
    ui::Backend& backend_;
    ui::Platform& platform_;
};

}  // namespace app
