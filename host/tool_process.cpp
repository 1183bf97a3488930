#include "host/tool_process.h"

#include "host/tool_messages.h"

namespace host {

ToolProcess::~ToolProcess() {
    Kill();
    if (job_ != nullptr)
        CloseHandle(job_);
    if (info_.hThread != nullptr)
        CloseHandle(info_.hThread);
    if (info_.hProcess != nullptr)
        CloseHandle(info_.hProcess);
}

bool ToolProcess::Start(const std::string& tool, const std::string& args,
                        const std::string& directory, std::string& problem) {
    std::string commandLine = "\"" + tool + "\"";
    if (!args.empty())
        commandLine += " " + args;
    job_ = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job_ != nullptr) {
        SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(tool.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                        nullptr, directory.empty() ? nullptr : directory.c_str(), &startup,
                        &info_)) {
        problem = "cannot start " + tool + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    if (job_ != nullptr)
        AssignProcessToJobObject(job_, info_.hProcess);
    ResumeThread(info_.hThread);
    return true;
}

std::vector<DWORD> ToolProcess::ProcessIds() const {
    std::vector<DWORD> ids{info_.dwProcessId};
    constexpr DWORD kMostProcesses = 16;
    alignas(JOBOBJECT_BASIC_PROCESS_ID_LIST) unsigned char
        buffer[sizeof(JOBOBJECT_BASIC_PROCESS_ID_LIST) + kMostProcesses * sizeof(ULONG_PTR)] = {};
    auto* list = reinterpret_cast<JOBOBJECT_BASIC_PROCESS_ID_LIST*>(buffer);
    if (job_ == nullptr ||
        !QueryInformationJobObject(job_, JobObjectBasicProcessIdList, list, sizeof buffer, nullptr))
        return ids;
    const ULONG_PTR* listed = list->ProcessIdList;
    for (DWORD i = 0; i < list->NumberOfProcessIdsInList && i < kMostProcesses; ++i) {
        if (static_cast<DWORD>(listed[i]) != info_.dwProcessId)
            ids.push_back(static_cast<DWORD>(listed[i]));
    }
    return ids;
}

bool ToolProcess::HasEnded() const {
    return info_.hProcess == nullptr || WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0;
}

bool ToolProcess::WaitForEnd(DWORD milliseconds) const {
    const DWORD start = GetTickCount();
    while (!HasEnded()) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds)
            return false;
        MsgWaitForMultipleObjects(1, &info_.hProcess, FALSE, milliseconds - elapsed, QS_ALLINPUT);
        Pump(0);
    }
    return true;
}

void ToolProcess::Kill() {
    if (job_ != nullptr)
        TerminateJobObject(job_, 1);
    if (info_.hProcess == nullptr || HasEnded())
        return;
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
}

}  // namespace host
