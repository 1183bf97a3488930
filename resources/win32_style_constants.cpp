#include "resources/win32_style_constants.h"

#include <utility>

namespace resource_script {
namespace {

constexpr std::pair<std::string_view, std::int64_t> kConstants[] = {
    {"IDOK", 1},
    {"IDCANCEL", 2},
    {"IDC_STATIC", -1},

    {"WS_OVERLAPPED", 0x00000000},
    {"WS_POPUP", 0x80000000},
    {"WS_CHILD", 0x40000000},
    {"WS_MINIMIZE", 0x20000000},
    {"WS_VISIBLE", 0x10000000},
    {"WS_DISABLED", 0x08000000},
    {"WS_CLIPSIBLINGS", 0x04000000},
    {"WS_CLIPCHILDREN", 0x02000000},
    {"WS_MAXIMIZE", 0x01000000},
    {"WS_CAPTION", 0x00C00000},
    {"WS_BORDER", 0x00800000},
    {"WS_DLGFRAME", 0x00400000},
    {"WS_VSCROLL", 0x00200000},
    {"WS_HSCROLL", 0x00100000},
    {"WS_SYSMENU", 0x00080000},
    {"WS_THICKFRAME", 0x00040000},
    {"WS_GROUP", 0x00020000},
    {"WS_TABSTOP", 0x00010000},
    {"WS_MINIMIZEBOX", 0x00020000},
    {"WS_MAXIMIZEBOX", 0x00010000},

    {"DS_ABSALIGN", 0x0001},
    {"DS_SYSMODAL", 0x0002},
    {"DS_3DLOOK", 0x0004},
    {"DS_FIXEDSYS", 0x0008},
    {"DS_NOFAILCREATE", 0x0010},
    {"DS_LOCALEDIT", 0x0020},
    {"DS_SETFONT", 0x0040},
    {"DS_MODALFRAME", 0x0080},
    {"DS_NOIDLEMSG", 0x0100},
    {"DS_SETFOREGROUND", 0x0200},
    {"DS_CONTROL", 0x0400},
    {"DS_CENTER", 0x0800},
    {"DS_CENTERMOUSE", 0x1000},
    {"DS_CONTEXTHELP", 0x2000},

    {"ES_LEFT", 0x0000},
    {"ES_CENTER", 0x0001},
    {"ES_RIGHT", 0x0002},
    {"ES_MULTILINE", 0x0004},
    {"ES_UPPERCASE", 0x0008},
    {"ES_LOWERCASE", 0x0010},
    {"ES_PASSWORD", 0x0020},
    {"ES_AUTOVSCROLL", 0x0040},
    {"ES_AUTOHSCROLL", 0x0080},
    {"ES_NOHIDESEL", 0x0100},
    {"ES_READONLY", 0x0800},
    {"ES_WANTRETURN", 0x1000},
    {"ES_NUMBER", 0x2000},

    {"LBS_NOTIFY", 0x0001},
    {"LBS_SORT", 0x0002},
    {"LBS_NOREDRAW", 0x0004},
    {"LBS_MULTIPLESEL", 0x0008},
    {"LBS_HASSTRINGS", 0x0040},
    {"LBS_USETABSTOPS", 0x0080},
    {"LBS_NOINTEGRALHEIGHT", 0x0100},
    {"LBS_MULTICOLUMN", 0x0200},
    {"LBS_WANTKEYBOARDINPUT", 0x0400},
    {"LBS_EXTENDEDSEL", 0x0800},
    {"LBS_DISABLENOSCROLL", 0x1000},
    {"LBS_NOSEL", 0x4000},

    {"CBS_SIMPLE", 0x0001},
    {"CBS_DROPDOWN", 0x0002},
    {"CBS_DROPDOWNLIST", 0x0003},
    {"CBS_AUTOHSCROLL", 0x0040},
    {"CBS_SORT", 0x0100},
    {"CBS_HASSTRINGS", 0x0200},
    {"CBS_NOINTEGRALHEIGHT", 0x0400},
    {"CBS_DISABLENOSCROLL", 0x0800},

    {"BS_PUSHBUTTON", 0x0000},
    {"BS_DEFPUSHBUTTON", 0x0001},
    {"BS_CHECKBOX", 0x0002},
    {"BS_AUTOCHECKBOX", 0x0003},
    {"BS_RADIOBUTTON", 0x0004},
    {"BS_3STATE", 0x0005},
    {"BS_AUTO3STATE", 0x0006},
    {"BS_GROUPBOX", 0x0007},
    {"BS_AUTORADIOBUTTON", 0x0009},
    {"BS_LEFTTEXT", 0x0020},
    {"BS_MULTILINE", 0x2000},
    {"BS_NOTIFY", 0x4000},

    {"SS_LEFT", 0x0000},
    {"SS_CENTER", 0x0001},
    {"SS_RIGHT", 0x0002},
    {"SS_LEFTNOWORDWRAP", 0x000C},
    {"SS_NOPREFIX", 0x0080},
    {"SS_NOTIFY", 0x0100},
    {"SS_SUNKEN", 0x1000},
};

}  // namespace

std::optional<std::int64_t> FindWin32Constant(std::string_view name) {
    for (const auto& [constantName, value] : kConstants) {
        if (constantName == name) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace resource_script
