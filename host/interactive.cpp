#include "host/interactive.h"

#include <windows.h>

#include <memory>

#include "host/host_window.h"
#include "host/tool_process.h"
#include "host/work_directory.h"

namespace host {

int RunInteractive(const std::string& tool) {
    std::unique_ptr<ToolProcess> running;
    const std::string resultPath = TempFolder() + "faxhost-result.dat";
    std::unique_ptr<HostWindow> window;
    window = std::make_unique<HostWindow>(false, [&] {
        if (running && !running->HasEnded())
            return;
        // A cancelled import leaves no file; the list must not show the one before.
        DeleteFileA(resultPath.c_str());
        running = std::make_unique<ToolProcess>();
        std::string problem;
        if (!running->Start(tool, resultPath, "", problem)) {
            MessageBoxA(window->handle(), problem.c_str(), "Fax Host", MB_OK | MB_ICONERROR);
        }
    });
    window->SetResultPath(resultPath);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // The tool keeps the host disabled while it runs, so the host closes only between imports.
    return 0;
}

}  // namespace host
