// Builds every control from its row: kind, place, caption, tooltip, stacking; draws them all.
#include "windows/game_window.h"

#include <commctrl.h>

#include <variant>

#include "content/picture.h"
#include "content/text.h"
#include "layout/typography.h"
#include "windows/drawing.h"
#include "windows/wide.h"

namespace tolm::windows {
using namespace layout;
namespace {

constexpr wchar_t kWindowClass[] = L"TolmWindow";
constexpr int kProgramIcon = 1;
// Posted once the first scene is painted: the controls it left out are built then.
constexpr UINT kBuildRest = WM_APP;

std::string captionOf(const ControlRow& row) {
    if (const auto* key = std::get_if<content::Text>(&row.caption)) return std::string(content::text(*key));
    if (const auto* picture = std::get_if<content::Picture>(&row.caption))
        return std::string(content::text(content::altText(*picture)));
    return {};
}

COLORREF colour(const BackColour& back) {
    if (const auto* rgb = std::get_if<Rgb>(&back)) return RGB(rgb->red, rgb->green, rgb->blue);
    return GetSysColor(std::get<SystemColour>(back) == SystemColour::AppWorkspace ? COLOR_APPWORKSPACE : COLOR_BTNFACE);
}

RECT rectOf(const PixelRect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

// The outer size of a window whose client area has this size.
SIZE outerSize(PixelSize client, DWORD style) {
    RECT r{0, 0, client.width, client.height};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    return {r.right - r.left, r.bottom - r.top};
}

constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

}  // namespace

GameWindow::GameWindow(HINSTANCE instance, WindowEvents& events) : events_(events), instance_(instance) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = windowProc;
    type.hInstance = instance;
    type.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIcon));
    type.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    type.lpszClassName = kWindowClass;
    RegisterClassExW(&type);

    // The controls are built at their places in the window's client area, so that none has to move
    // before the window is shown. (Made maximized at once, the window would be told its restored
    // size by the window manager on its way to the screen, and its controls moved twice more.)
    const SIZE outer = outerSize(SceneScale::kScene, kWindowStyle);
    const std::wstring title = wide(kWindowTitle);
    window_ = CreateWindowExW(0, kWindowClass, title.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx,
                              outer.cy, nullptr, nullptr, instance, this);
    RECT client{};
    GetClientRect(window_, &client);
    scale_ = SceneScale::fitting({client.right, client.bottom});
    // Form_Load sets what the controls start with before any is built: each is built as it
    // stands then.
    for (const ControlRow& row : kLayout) {
        shown_[indexOf(row.control)] = row.visibleAtStart;
        captions_[indexOf(row.control)] = row.kind == Kind::Label ? captionOf(row) : std::string();
    }
}

GameWindow::~GameWindow() {
    if (IsWindow(window_)) DestroyWindow(window_);
}

HWND GameWindow::build(const ControlRow& row) {
    if (row.kind == Kind::Shape) return nullptr;
    const std::size_t i = indexOf(row.control);
    const wchar_t* type = L"STATIC";
    // Every control draws itself, so that texts are spaced by the layout; labels and pictures
    // take the pointer (SS_NOTIFY) so that its moves over them do not reach the window.
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (shown_[i] ? WS_VISIBLE : 0);
    switch (row.kind) {
        case Kind::Label:
        case Kind::PictureBox: style |= SS_OWNERDRAW | SS_NOTIFY; break;
        case Kind::Button:
            type = L"BUTTON";
            style |= BS_OWNERDRAW | WS_TABSTOP;
            break;
        case Kind::Frame:
            type = L"BUTTON";
            style |= BS_GROUPBOX | WS_CLIPCHILDREN;
            break;
        case Kind::Shape: break;
    }
    const HWND parent = row.in == Container::Frame1 ? handle(Control::Frame1) : window_;
    const std::wstring caption = wide(row.kind == Kind::Label ? captions_[i] : captionOf(row));
    const PixelRect r = scale_.place(row);
    const HWND w =
        CreateWindowExW(0, type, caption.c_str(), style, r.left, r.top, r.width, r.height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance_, nullptr);
    SetWindowSubclass(w, controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
    return w;
}

void GameWindow::addTooltips() {
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
    for (const ControlRow& row : kLayout) {
        if (!row.tooltip) continue;
        std::wstring text = wide(content::text(*row.tooltip));
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(handle(row.control));
        tool.lpszText = text.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // The longest hints wrap instead of running across the screen.
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
}

std::optional<Control> GameWindow::controlOf(HWND w) const {
    if (!w) return std::nullopt;
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (controls_[i] == w) return controlAt(i);
    return std::nullopt;
}

void GameWindow::setShown(Control c, bool shown) {
    shown_[indexOf(c)] = shown;
    const HWND w = handle(c);
    if (!w) return;
    if (shown && misplaced_[indexOf(c)]) place(c);
    // Shown without taking the keyboard: the focus moves only by the focus rules.
    ShowWindow(w, shown ? SW_SHOWNA : SW_HIDE);
}

void GameWindow::setCaption(Control c, std::string_view text) {
    captions_[indexOf(c)] = std::string(text);
    const HWND w = handle(c);
    if (!w) return;
    SetWindowTextW(w, wide(text).c_str());
    InvalidateRect(w, nullptr, FALSE);
}

void GameWindow::focus(std::optional<Control> c) {
    if (c && handle(*c)) SetFocus(handle(*c));
}

// A player sees the first scene sooner for the controls it does not show: most of the seventy
// wait hidden for later scenes. A frame is built with them, so that the controls in it have
// their parent.
void GameWindow::show(std::optional<Control> first) {
    for (const ControlRow& row : kLayout) {
        const std::size_t i = indexOf(row.control);
        if (!controls_[i] && (shown_[i] || row.kind == Kind::Frame)) controls_[i] = build(row);
    }
    ShowWindow(window_, SW_SHOWMAXIMIZED);
    focus(first);
    UpdateWindow(window_);
    PostMessageW(window_, kBuildRest, 0, 0);
}

// The stacking ends as if all had been built at once. Built in window order, the new controls
// stand below the first paint's, in window order: those few then move, in window order, each just
// below the control before it, which leaves every control in its place, and the focused one goes
// back in front.
void GameWindow::ensureBuilt() {
    if (built_) return;
    built_ = true;
    std::array<bool, kControlCount> early{};
    for (const ControlRow& row : kLayout) {
        const std::size_t i = indexOf(row.control);
        early[i] = controls_[i] != nullptr;
        if (!early[i]) controls_[i] = build(row);
    }
    for (const ControlRow& row : kLayout)
        if (early[indexOf(row.control)]) restack(row.control);
    if (const auto front = focused())
        SetWindowPos(handle(*front), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    addTooltips();
}

void GameWindow::setFullScreen(bool on) {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    if (on) {
        // The placement is kept, so leaving returns the window to maximized or restored as it was.
        placement_.length = sizeof placement_;
        GetWindowPlacement(window_, &placement_);
        style_ = GetWindowLongPtrW(window_, GWL_STYLE);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
        SetWindowLongPtrW(window_, GWL_STYLE, style_ & ~WS_OVERLAPPEDWINDOW);
        const RECT& m = monitor.rcMonitor;
        SetWindowPos(window_, HWND_TOP, m.left, m.top, m.right - m.left, m.bottom - m.top,
                     SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    } else {
        SetWindowLongPtrW(window_, GWL_STYLE, style_);
        SetWindowPlacement(window_, &placement_);
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    }
}

void GameWindow::close(int exitStatus) {
    exitStatus_ = exitStatus;
    DestroyWindow(window_);
}

// The window is sized more than once on its way to the screen: only a new scale moves the controls.
void GameWindow::fit(PixelSize clientArea) {
    const SceneScale fitted = SceneScale::fitting(clientArea);
    if (!(fitted == scale_)) applyScale(fitted);
}

// Everything the scene is drawn with follows the factor; the controls keep their state. Most
// controls are hidden at any time, and each move is a trip to the window system: a hidden one
// moves to its place when it is shown again.
void GameWindow::applyScale(const SceneScale& scale) {
    scale_ = scale;
    // On a shown window every move would clip, invalidate and repaint the scene around it; with
    // drawing off the moves are only moves, and the scene is drawn once after the last of them.
    const bool shown = IsWindowVisible(window_);
    if (shown) SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    HDWP moves = BeginDeferWindowPos(static_cast<int>(kControlCount));
    for (const ControlRow& row : kLayout) {
        const std::size_t i = indexOf(row.control);
        misplaced_[i] = controls_[i] && !shown_[i];
        if (row.in != Container::Window || !controls_[i] || misplaced_[i]) continue;
        const PixelRect r = scale.place(row);
        moves = DeferWindowPos(moves, handle(row.control), nullptr, r.left, r.top, r.width, r.height,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EndDeferWindowPos(moves);
    // The frame's children move inside it, after it.
    for (const ControlRow& row : kLayout)
        if (row.in == Container::Frame1 && controls_[indexOf(row.control)] && !misplaced_[indexOf(row.control)])
            place(row.control);
    fonts_.clear();
    if (shown) SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void GameWindow::place(Control c) {
    const PixelRect r = scale_.place(rowOf(c));
    SetWindowPos(handle(c), nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    misplaced_[indexOf(c)] = false;
}

// Win32 draws the first sibling in its Z order on top, and puts each new child below the ones
// before it: built in window order, the first row is in front. A control raised while it held the
// focus goes back just below the sibling before it in window order, the others stay where they are.
void GameWindow::restack(Control c) {
    HWND above = HWND_TOP;
    for (const ControlRow& row : kLayout) {
        if (row.control == c) break;
        if (handle(row.control) && row.in == rowOf(c).in) above = handle(row.control);
    }
    SetWindowPos(handle(c), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CALLBACK GameWindow::windowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<GameWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = w;
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<GameWindow*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    return self ? self->handle(message, wParam, lParam) : DefWindowProcW(w, message, wParam, lParam);
}

LRESULT GameWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) fit({LOWORD(lParam), HIWORD(lParam)});
            return 0;
        case kBuildRest: ensureBuilt(); return 0;
        case WM_GETMINMAXINFO: {
            const SIZE smallest = outerSize(SceneScale::smallestClientArea(), kWindowStyle);
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {smallest.cx, smallest.cy};
            return 0;
        }
        case WM_PAINT: paintWindow(); return 0;
        case WM_DRAWITEM: draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
        case WM_COMMAND: command(wParam, lParam); return 0;
        case WM_MOUSEMOVE: events_.pointerMoved(std::nullopt); return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                lastFocus_ = GetFocus();
                events_.deactivated();
                return 0;
            }
            if (lastFocus_ && IsWindowVisible(lastFocus_)) {
                SetFocus(lastFocus_);
                return 0;
            }
            break;
        case WM_CLOSE: close(0); return 0;
        case WM_DESTROY: PostQuitMessage(exitStatus_); return 0;
        default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK GameWindow::controlProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    return reinterpret_cast<GameWindow*>(self)->handleControl(w, message, wParam, lParam);
}

LRESULT GameWindow::handleControl(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool frame = w == handle(Control::Frame1);
    switch (message) {
        case WM_MOUSEMOVE: events_.pointerMoved(controlOf(w)); break;
        // A covered choice that takes the focus is drawn in front of its place while it holds it.
        case WM_SETFOCUS: SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); break;
        case WM_KILLFOCUS:
            if (const auto c = controlOf(w)) restack(*c);
            InvalidateRect(w, nullptr, FALSE);
            break;
        // The frame takes the pointer like every control: the window feels only its bare surface.
        case WM_NCHITTEST:
            if (frame) return HTCLIENT;
            break;
        case WM_ERASEBKGND:
            if (frame) return 1;
            break;
        case WM_PAINT:
            if (frame) {
                paintFrame(w);
                return 0;
            }
            break;
        // The frame's children report to it; the game window draws them and hears their clicks.
        case WM_DRAWITEM:
        case WM_COMMAND:
            if (frame) return handle(message, wParam, lParam);
            break;
        case WM_NCDESTROY: RemoveWindowSubclass(w, controlProc, 0); break;
        default: break;
    }
    return DefSubclassProc(w, message, wParam, lParam);
}

void GameWindow::command(WPARAM wParam, LPARAM lParam) {
    const auto code = HIWORD(wParam);
    // An owner-drawn button reports a second quick click on it as a double click.
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED) return;
    const auto c = controlOf(reinterpret_cast<HWND>(lParam));
    if (c && rowOf(*c).kind == Kind::Button) events_.clicked(*c);
}

void GameWindow::draw(const DRAWITEMSTRUCT& item) {
    const auto c = controlOf(item.hwndItem);
    if (!c) return;
    const ControlRow& row = rowOf(*c);
    switch (row.kind) {
        case Kind::Label: {
            const COLORREF fore =
                row.fore ? RGB(row.fore->red, row.fore->green, row.fore->blue) : GetSysColor(COLOR_BTNTEXT);
            drawLabel(item.hDC, item.rcItem, wide(caption(*c)), fonts_.get(*row.font, scale_), colour(row.back), fore,
                      scale_.fontPixels(pixelSize(*row.font)));
            break;
        }
        case Kind::Button: {
            const std::wstring text = wide(captionOf(row));
            drawButton(item.hDC, item.rcItem, text, fonts_.get(*row.font, scale_), item.itemState & ODS_SELECTED,
                       item.itemState & ODS_FOCUS);
            break;
        }
        case Kind::PictureBox:
            drawPicture(item.hDC, item.rcItem, content::pictureFile(std::get<content::Picture>(row.caption)),
                        scale_.factor());
            break;
        case Kind::Frame:
        case Kind::Shape: break;
    }
}

// The frame's background, its caption in the window's font, and its outline below the caption.
void GameWindow::paintFrame(HWND frame) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(frame, &paint);
    const ControlRow& row = rowOf(Control::Frame1);
    RECT area{};
    GetClientRect(frame, &area);
    SetDCBrushColor(dc, colour(row.back));
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    const int captionPixels = scale_.fontPixels(pixelSize(kWindowFont));
    RECT outline = area;
    outline.top += frameOutlineTop(captionPixels);
    drawOutline(dc, outline, scale_.lineWidth(), GetSysColor(COLOR_BTNSHADOW));
    const HGDIOBJ old = SelectObject(dc, fonts_.get(kWindowFont, scale_));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const std::wstring text = wide(captionOf(row));
    TextOutW(dc, area.left, area.top, text.c_str(), static_cast<int>(text.size()));
    SelectObject(dc, old);
    EndPaint(frame, &paint);
}

// The window's own surface holds only the tally's outline.
void GameWindow::paintWindow() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    if (shown_[indexOf(Control::Shape1)])
        drawOutline(dc, rectOf(scale_.place(rowOf(Control::Shape1))), scale_.lineWidth(),
                    GetSysColor(COLOR_WINDOWTEXT));
    EndPaint(window_, &paint);
}

}  // namespace tolm::windows
