#include "host/host_window.h"

#include <string>
#include <vector>

#include "tests/scenario_library/result_file.h"
#include "tests/scenario_library/setup_files.h"
#include "ui/host_protocol.h"

namespace host {

namespace {

constexpr int kImportButtonId = 100;
constexpr int kLimitCheckId = 101;
constexpr int kRecordListId = 102;
constexpr wchar_t kClassName[] = L"FaxHostWindow";

void RegisterClassOnce(WNDPROC procedure) {
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    registered = true;
}

HWND Child(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id, int x,
           int y, int width, int height) {
    HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                 height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return child;
}

}  // namespace

HostWindow::HostWindow(bool limit, std::function<void()> onImport)
    : onImport_(std::move(onImport)) {
    RegisterClassOnce(&Procedure);
    window_ = CreateWindowExW(0, kClassName, L"Fax Host", WS_OVERLAPPEDWINDOW, 40, 40, 560, 360,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    CreateChildren();
    SetLimit(limit);
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
}

HostWindow::~HostWindow() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void HostWindow::Close() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void HostWindow::CreateChildren() {
    Child(window_, L"BUTTON", L"Import...", BS_PUSHBUTTON | WS_TABSTOP, kImportButtonId, 12, 12,
          100, 26);
    const std::wstring limitText =
        L"Limit to 50 (control " + std::to_wstring(ui::kHostLimitControlId) + L")";
    limitCheck_ = Child(window_, L"BUTTON", limitText.c_str(), BS_AUTOCHECKBOX | WS_TABSTOP,
                        kLimitCheckId, 130, 16, 220, 20);
    records_ =
        Child(window_, L"LISTBOX", L"", WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT,
              kRecordListId, 12, 76, 520, 230);
    Child(window_, L"STATIC", L"Imported recipients:", 0, -1, 12, 54, 300, 18);
}

void HostWindow::SetLimit(bool limit) {
    SendMessageW(limitCheck_, BM_SETCHECK, limit ? BST_CHECKED : BST_UNCHECKED, 0);
    if (limit && limitControl_ == nullptr) {
        limitControl_ = Child(window_, L"STATIC", L"At most 50 recipients", 0,
                              ui::kHostLimitControlId, 360, 16, 170, 20);
    } else if (!limit && limitControl_ != nullptr) {
        DestroyWindow(limitControl_);
        limitControl_ = nullptr;
    }
}

void HostWindow::ShowRecords(int command) {
    SendMessageW(records_, LB_RESETCONTENT, 0, 0);
    const std::optional<std::string> file = scenario::ReadFileBytes(resultPath_);
    if (!file) {
        SendMessageA(records_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("(no result file)"));
        return;
    }
    const std::vector<std::string> lines =
        scenario::DescribeRecords(*file, scenario::RecordSizeFor(command, *file));
    // Without a redraw after each line, a result of thousands of records shows in moments.
    SendMessageW(records_, WM_SETREDRAW, FALSE, 0);
    for (const std::string& line : lines)
        SendMessageA(records_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageW(records_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(records_, nullptr, TRUE);
}

LRESULT CALLBACK HostWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT HostWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        const HWND source = reinterpret_cast<HWND>(lParam);
        if (source != nullptr && GetParent(source) == window_) {
            if (LOWORD(wParam) == kImportButtonId && onImport_)
                onImport_();
            if (LOWORD(wParam) == kLimitCheckId) {
                SetLimit(SendMessageW(limitCheck_, BM_GETCHECK, 0, 0) == BST_CHECKED);
            }
            return 0;
        }
        log_.commands.push_back({static_cast<int>(wParam), static_cast<long long>(lParam),
                                 IsWindowEnabled(window_) != FALSE});
        if (lParam == 0 && (LOWORD(wParam) == ui::kNameFaxImportedCommand ||
                            LOWORD(wParam) == ui::kSpeedDialImportedCommand)) {
            ShowRecords(LOWORD(wParam));
        }
        return 0;
    }
    if (message == WM_CLOSE && onImport_)
        PostQuitMessage(0);
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace host
