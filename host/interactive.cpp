#include "host/interactive.h"

#include <windows.h>

#include <memory>

#include "host/host_window.h"
#include "host/tool_process.h"
#include "host/work_directory.h"

namespace host {

namespace {

// The tool takes its first argument up to the first blank, so the path must have none.
std::string ResultFilePath() {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    char shortFolder[MAX_PATH];
    if (GetShortPathNameA(folder, shortFolder, MAX_PATH) == 0)
        lstrcpyA(shortFolder, folder);
    std::string path = shortFolder;
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path + "faxhost-result.dat";
}

}  // namespace

int RunInteractive(const std::string& tool) {
    std::unique_ptr<ToolProcess> running;
    const std::string resultPath = ResultFilePath();
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
    if (running)
        running.release();  // the tool goes on by itself when the host closes
    return 0;
}

}  // namespace host
