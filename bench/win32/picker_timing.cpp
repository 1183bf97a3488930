// Times the long lists under the Win32 backend with N entries: from the file chosen to the
// picker ready (read, list filled and painted), "To ->" with every entry selected, and the
// confirmation list of the moved entries. Runs under Wine through scripts/bench pickers.
// Each figure is the fastest of RUNS runs (default 3).
//   picker_timing csv|speeddial N [RUNS] [ready]      ready: the picker only, then Cancel
//   picker_timing listbox N [RUNS]                    Wine's own sorted list box filled with N
//                                                     texts in their order, nothing of ours
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "app/confirmation_dialog.h"
#include "contactfile/contact_file_reader.h"
#include "contactfile/modal_contact_file_dialogs.h"
#include "recipients/import_counters.h"
#include "recipients/source_kind.h"
#include "speeddial/modal_speed_dial_dialogs.h"
#include "speeddial/speed_dial_reader.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_platform.h"
#include "ui/win32/windows_api.h"

namespace {

using namespace recipients;
using Clock = std::chrono::steady_clock;

constexpr int kMoveButton = 1001;
constexpr int kSelectedList = 1002;
constexpr int kSourceList = 1004;
constexpr int kConfirmationList = 1001;
constexpr int kConfirmationValidCount = 1005;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Entry numbers 0..count-1 in a fixed shuffled order, so that a sorted list sees them unsorted.
std::vector<int> ShuffledNumbers(int count) {
    std::vector<int> numbers(static_cast<std::size_t>(count));
    std::iota(numbers.begin(), numbers.end(), 0);
    std::shuffle(numbers.begin(), numbers.end(), std::mt19937(20261208));
    return numbers;
}

std::string WriteFile(const std::string& name, const std::string& header, const char* lineFormat,
                      int count) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::fputs(header.c_str(), file);
    for (const int n : ShuffledNumbers(count)) {
        std::fprintf(file, lineFormat, n, n);
    }
    std::fclose(file);
    return path;
}

// What the idle probe waits for next, and what it measured.
struct Probe {
    enum class Stage { Picker, Confirmation, Done } stage = Stage::Picker;
    bool readyOnly = false;
    Clock::time_point start = Clock::now();
    Clock::time_point okClicked = Clock::now();
    double pickerReady = 0;
    double move = 0;
    int moved = 0;
    double confirmationReady = 0;  // from OK in the picker
    int listed = 0;
};
Probe probe;

HWND FindDialogWith(int listId, int otherId) {
    struct Search {
        int listId;
        int otherId;
        HWND found;
    } search{listId, otherId, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (IsWindowVisible(window) && GetDlgItem(window, s->listId) != nullptr &&
                GetDlgItem(window, s->otherId) != nullptr) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int ItemCount(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0));
}

// A thread timer comes only when the queue holds nothing else, paint included: the dialog on
// screen is ready for the user's first click.
void CALLBACK OnIdle(HWND, UINT, UINT_PTR, DWORD) {
    if (probe.stage == Probe::Stage::Picker) {
        HWND picker = FindDialogWith(kSourceList, kSelectedList);
        if (picker == nullptr) {
            return;
        }
        probe.pickerReady = SecondsSince(probe.start);
        if (probe.readyOnly) {
            probe.stage = Probe::Stage::Done;
            PostMessageA(picker, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return;
        }
        SendDlgItemMessageA(picker, kSourceList, LB_SETSEL, TRUE, -1);
        const Clock::time_point start = Clock::now();
        SendMessageA(picker, WM_COMMAND, MAKEWPARAM(kMoveButton, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(picker, kMoveButton)));
        UpdateWindow(picker);
        probe.move = SecondsSince(start);
        probe.moved = ItemCount(picker, kSelectedList);
        probe.stage = Probe::Stage::Confirmation;
        probe.okClicked = Clock::now();
        PostMessageA(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    } else if (probe.stage == Probe::Stage::Confirmation) {
        HWND confirmation = FindDialogWith(kConfirmationList, kConfirmationValidCount);
        if (confirmation == nullptr) {
            return;
        }
        probe.confirmationReady = SecondsSince(probe.okClicked);
        probe.listed = ItemCount(confirmation, kConfirmationList);
        probe.stage = Probe::Stage::Done;
        PostMessageA(confirmation, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
}

int PickFromCsv(ui::Backend& backend, ui::Platform& platform, int count,
                RecipientCollection& collection) {
    const std::string path =
        WriteFile("picker_timing.csv", "Name,Fax\r\n", "Person %07d,+4930 %07d\r\n", count);
    contactfile::ModalContactFileDialogs dialogs(backend, platform, "");
    int rejected = 0;
    probe.start = Clock::now();
    const int picked = contactfile::ReadContactFile(path, collection, rejected,
                                                    kSourceCsvAutoSearch, dialogs, platform);
    DeleteFileA(path.c_str());
    return picked;
}

int PickFromSpeedDial(ui::Backend& backend, ui::Platform& platform, int count,
                      RecipientCollection& collection, speeddial::SpeedDialRecords& records) {
    const std::string path =
        WriteFile("picker_timing_dial.csv", "*,1,0,2\r\n", "%d,X,+4930 %07d,Person\r\n", count);
    speeddial::ModalSpeedDialDialogs dialogs(backend, platform, "");
    int rejected = 0;
    probe.start = Clock::now();
    const int picked =
        speeddial::ReadSpeedDialSource(path, collection, rejected, records, dialogs, platform);
    DeleteFileA(path.c_str());
    return picked;
}

// One run from the file to the confirmation (or to the picker only), into the probe.
void TimeOnce(const std::string& source, int count, ui::Backend& backend, ui::Platform& platform) {
    const bool readyOnly = probe.readyOnly;
    probe = Probe{};
    probe.readyOnly = readyOnly;
    RecipientCollection collection;
    speeddial::SpeedDialRecords records;
    const int picked = source == "csv"
                           ? PickFromCsv(backend, platform, count, collection)
                           : PickFromSpeedDial(backend, platform, count, collection, records);
    if (readyOnly) {
        return;
    }
    const SourceKind kind = source == "csv" ? kSourceCsvAutoSearch : kSourceSpeedDial;
    const ImportCounters counters{picked, picked, 0};
    app::ConfirmationDialog confirmation(backend, collection, counters, kind);
    confirmation.DoModal();
}

// The least any program pays for such a list: a sorted list box on a hidden window (as a dialog's
// lists are filled before it shows), drawing off, storage reserved, N texts added in their own
// order, each with its item data, then shown and painted.
double FillBareListBox(int count) {
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT | LBS_EXTENDEDSEL |
                                    LBS_HASSTRINGS | LBS_NOTIFY,
                                0, 0, 380, 280, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    const Clock::time_point start = Clock::now();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_INITSTORAGE, static_cast<WPARAM>(count), 20 * count);
    char text[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(text, sizeof text, "Person %07d", i);
        const LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), i);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ShowWindow(frame, SW_SHOW);
    UpdateWindow(frame);
    const double seconds = SecondsSince(start);
    DestroyWindow(frame);
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string source = argc >= 3 ? argv[1] : "";
    const int count = argc >= 3 ? std::atoi(argv[2]) : 0;
    int runs = 3;
    for (int i = 3; i < argc; ++i) {
        if (std::string(argv[i]) == "ready") {
            probe.readyOnly = true;
        } else {
            runs = std::atoi(argv[i]);
        }
    }
    if ((source != "csv" && source != "speeddial" && source != "listbox") || count <= 0 ||
        runs <= 0) {
        std::fprintf(stderr, "usage: picker_timing csv|speeddial|listbox N [RUNS] [ready]\n");
        return 2;
    }
    if (source == "listbox") {
        double fastest = 1e300;
        for (int run = 0; run < runs; ++run) {
            fastest = std::min(fastest, FillBareListBox(count));
        }
        std::printf("%-9s %7d entries: bare sorted list box filled %6.2f s\n", source.c_str(),
                    count, fastest);
        return 0;
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE module = GetModuleHandleA(nullptr);
    ui::Win32Backend backend(module);
    ui::Win32Platform platform(module);
    SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnIdle);

    Probe fastest;
    fastest.pickerReady = fastest.move = fastest.confirmationReady = 1e300;
    bool complete = true;
    for (int run = 0; run < runs; ++run) {
        TimeOnce(source, count, backend, platform);
        complete = complete && probe.stage == Probe::Stage::Done &&
                   (probe.readyOnly || (probe.moved == count && probe.listed == count));
        fastest.pickerReady = std::min(fastest.pickerReady, probe.pickerReady);
        fastest.move = std::min(fastest.move, probe.move);
        fastest.confirmationReady = std::min(fastest.confirmationReady, probe.confirmationReady);
    }
    if (probe.readyOnly) {
        std::printf("%-9s %7d entries: picker ready %6.2f s\n", source.c_str(), count,
                    fastest.pickerReady);
    } else {
        std::printf(
            "%-9s %7d entries: picker ready %6.2f s   To -> %6.2f s (%d moved)   "
            "OK to confirmation ready %6.2f s (%d listed)\n",
            source.c_str(), count, fastest.pickerReady, fastest.move, probe.moved,
            fastest.confirmationReady, probe.listed);
    }
    return complete ? 0 : 1;
}
