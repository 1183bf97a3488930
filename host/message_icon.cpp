#include "host/message_icon.h"

#include <vector>

#include "host/tool_windows.h"

namespace host {

namespace {

using Pixels = std::vector<COLORREF>;

class Bitmap {
  public:
    Bitmap(HDC reference, int width, int height)
        : dc_(CreateCompatibleDC(reference)),
          bitmap_(CreateCompatibleBitmap(reference, width, height)),
          width_(width),
          height_(height) {
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Bitmap() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    HDC dc() const { return dc_; }
    Pixels Read() const {
        Pixels pixels;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x)
                pixels.push_back(GetPixel(dc_, x, y));
        }
        return pixels;
    }

  private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    int width_;
    int height_;
};

size_t Differences(const Pixels& a, const Pixels& b) {
    size_t count = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        count += a[i] != b[i];
    return count;
}

// The standard icon that the control shows on the screen, or "none".
std::string IconOnScreen(HWND iconControl) {
    RECT rect;
    GetWindowRect(iconControl, &rect);
    const int width = GetSystemMetrics(SM_CXICON);
    const int height = GetSystemMetrics(SM_CYICON);
    HDC screen = GetDC(nullptr);
    Bitmap shot(screen, width, height);
    BitBlt(shot.dc(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    const Pixels seen = shot.Read();
    const COLORREF background = seen.empty() ? 0 : seen.front();

    struct Candidate {
        const char* name;
        LPCSTR icon;
    };
    static const Candidate candidates[] = {{"error", IDI_ERROR},
                                           {"warning", IDI_WARNING},
                                           {"question", IDI_QUESTION},
                                           {"info", IDI_INFORMATION},
                                           {"none", nullptr}};
    std::string best = "none";
    size_t bestDifferences = seen.size() + 1;
    for (const Candidate& candidate : candidates) {
        Bitmap drawn(screen, width, height);
        HBRUSH brush = CreateSolidBrush(background);
        RECT all{0, 0, width, height};
        FillRect(drawn.dc(), &all, brush);
        DeleteObject(brush);
        if (candidate.icon != nullptr)
            DrawIcon(drawn.dc(), 0, 0, LoadIconA(nullptr, candidate.icon));
        const size_t differences = Differences(seen, drawn.Read());
        if (differences < bestDifferences) {
            best = candidate.name;
            bestDifferences = differences;
        }
    }
    ReleaseDC(nullptr, screen);
    return best;
}

}  // namespace

std::string MessageIcon(HWND messageBox) {
    HWND iconControl = nullptr;
    for (HWND child = GetWindow(messageBox, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetDlgCtrlID(child) & 0xFFFF) == kMessageIconId)
            iconControl = child;
    }
    if (iconControl == nullptr || !IsWindowVisible(iconControl))
        return "none";
    // A busy machine may show the box before its icon is painted: a box with an icon control
    // has an icon, so it is looked at again for a while before it counts as none.
    std::string icon = "none";
    for (int attempt = 0; attempt < 25 && icon == "none"; ++attempt) {
        if (attempt > 0)
            Sleep(40);
        RedrawWindow(messageBox, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        icon = IconOnScreen(iconControl);
    }
    return icon;
}

}  // namespace host
