#include "shells/win32/win32_config_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "report/unhandled_error.h"
#include "resource_ids.h"
#include "shells/win32/dpi.h"
#include "shells/win32/resources.h"
#include "shells/win32/text.h"

namespace zv::win32 {
namespace {

const wchar_t kWindowClass[] = L"ZorvaliteConfig";
HWND g_dialog = nullptr;

constexpr COLORREF kDarkBlue = RGB(0, 0, 128);

ControlId OptionId(platform::OptionButton option) {
  static const ControlId kIds[] = {Option1, Option2, Option3, Option4};
  return kIds[static_cast<int>(option)];
}

ControlId LabelId(platform::ConfigLabel label) {
  static const ControlId kIds[] = {lblVersion, lblProductName, LblMLaddr, LblHPaddr};
  return kIds[static_cast<int>(label)];
}

// The other button of the option's group.
platform::OptionButton Partner(platform::OptionButton option) {
  return static_cast<platform::OptionButton>(static_cast<int>(option) ^ 1);
}

const ControlDesign* DesignOf(ControlId id) {
  for (const ControlDesign& design : ConfigControls())
    if (design.id == id) return &design;
  return nullptr;
}

std::wstring CaptionOf(const ControlDesign& design) {
  return design.captionTextId ? LoadText(design.captionTextId) : Widen(design.caption);
}

DWORD StyleOf(const ControlDesign& design) {
  // Each option group is a dialog group of its own: the arrow keys move only between its
  // two buttons. Every other control stands alone.
  const bool continuesGroup = design.id == Option1 || design.id == Option4;
  DWORD style = WS_CHILD | WS_VISIBLE | (continuesGroup ? 0 : WS_GROUP);
  switch (design.kind) {
    case ControlKind::Frame:
      return style | BS_GROUPBOX;
    case ControlKind::OptionButton:
      return style | BS_AUTORADIOBUTTON;
    case ControlKind::CommandButton:
      return style | WS_TABSTOP | BS_PUSHBUTTON;
    case ControlKind::Label:
      return style | SS_NOTIFY | (design.centred ? SS_CENTER : SS_LEFT);
  }
  return style;
}

// A font of a size in hundredths of a point, at a DPI.
HFONT MakeFont(const std::wstring& face, int centipoints, BYTE charset, int dpi) {
  return CreateFontW(-MulDiv(centipoints, dpi, 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     face.c_str());
}

// The dialog's fonts, by ControlFont, at a DPI.
std::array<HFONT, 4> MakeFonts(int dpi) {
  std::array<HFONT, 4> fonts{};
  // The dialog font of a Japanese system: it shows the Japanese captions of Frame2 and the
  // tooltips whatever the system's own dialog font is.
  fonts[static_cast<int>(ControlFont::Dialog)] = MakeFont(L"MS UI Gothic", 900, SHIFTJIS_CHARSET, dpi);
  fonts[static_cast<int>(ControlFont::Gothic9)] = MakeFont(LoadText(IDS_CONFIG_FONT_GOTHIC), 900, SHIFTJIS_CHARSET, dpi);
  fonts[static_cast<int>(ControlFont::SansSerif975)] = MakeFont(L"MS Sans Serif", 975, ANSI_CHARSET, dpi);
  fonts[static_cast<int>(ControlFont::SansSerif825)] = MakeFont(L"MS Sans Serif", 825, ANSI_CHARSET, dpi);
  return fonts;
}

// The extent of a text on one line in a font: its width and the font's cell height.
SIZE TextExtent(HDC dc, HFONT font, const std::wstring& text) {
  HGDIOBJ original = SelectObject(dc, font);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, original);
  extent.cy = metrics.tmHeight;
  return extent;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The cell height of each of the dialog's fonts at 96 DPI, the DPI its twips were laid out for.
std::array<int, 4> CellHeightsAt96(HWND window) {
  std::array<int, 4> heights{};
  const std::array<HFONT, 4> fonts = MakeFonts(96);
  HDC dc = GetDC(window);
  for (std::size_t font = 0; font < fonts.size(); ++font) {
    heights[font] = static_cast<int>(TextExtent(dc, fonts[font], L"").cy);
    DeleteObject(fonts[font]);
  }
  ReleaseDC(window, dc);
  return heights;
}

// A control's caption on one line in the control's font.
SIZE CaptionExtent(HWND control) {
  HDC dc = GetDC(control);
  const SIZE extent =
      TextExtent(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), WindowText(control));
  ReleaseDC(control, dc);
  return extent;
}

// Gives the window a client area of this size, its frame as it is now.
void SetClientSize(HWND window, int width, int height) {
  RECT frame, client;
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  SetWindowPos(window, nullptr, 0, 0, width + (frame.right - frame.left) - client.right,
               height + (frame.bottom - frame.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

Win32ConfigWindow::Win32ConfigWindow(platform::ConfigWindowEvents& events, platform::Process& process)
    : events_(events), process_(process) {
  // Fixed single border, title bar with the close box only. LayOut gives it its size.
  Create(kWindowClass, LoadProgramIcon(), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
         LoadText(IDS_CONFIG_CAPTION).c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
         CW_USEDEFAULT, CW_USEDEFAULT);
  g_dialog = window_;
  CreateControls();
  CreateTooltips();
  cellHeightsAt96_ = CellHeightsAt96(window_);
  LayOut(WindowDpi(window_));
  UpdateTabStops();
  focus_ = Control(CmdOk);
}

Win32ConfigWindow::~Win32ConfigWindow() {
  Destroy();
  for (HFONT font : fonts_) DeleteObject(font);
}

void Win32ConfigWindow::CreateControls() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const ControlDesign& design : ConfigControls()) {
    const wchar_t* windowClass = design.kind == ControlKind::Label ? L"STATIC" : L"BUTTON";
    CreateWindowExW(0, windowClass, CaptionOf(design).c_str(), StyleOf(design), 0, 0, 0, 0, window_,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance, nullptr);
  }
}

void Win32ConfigWindow::LayOut(int dpi) {
  const std::array<HFONT, 4> old = fonts_;
  fonts_ = MakeFonts(dpi);
  dpi_ = dpi;
  SetClientSize(window_, TwipsToPixels(kConfigClientWidth, dpi), TwipsToPixels(kConfigClientHeight, dpi));
  for (const ControlDesign& design : ConfigControls()) {
    SendMessageW(Control(design.id), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[static_cast<int>(design.font)]),
                 TRUE);
    Place(design);
  }
  SendMessageW(tooltips_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[static_cast<int>(ControlFont::Dialog)]), FALSE);
  for (HFONT font : old) DeleteObject(font);
}

// A label is at least as wide as its caption: at some DPIs a font's glyphs round wider than
// the design's twips allow, and a label wraps what does not fit onto a line it has no room to
// show. A centred label widens on both sides. It is also tall enough that its font's cell
// overruns it by no more than at 96 DPI, where the design leaves out only the cell's top
// leading; at higher DPIs that leading grows by rounding.
void Win32ConfigWindow::Place(const ControlDesign& design) {
  // Frames are group boxes drawn behind their children, which are the dialog's own.
  int left = design.left;
  int top = design.top;
  if (const ControlDesign* frame = DesignOf(design.container)) {
    left += frame->left;
    top += frame->top;
  }
  HWND control = Control(design.id);
  int x = TwipsToPixels(left, dpi_);
  int width = TwipsToPixels(design.width, dpi_);
  int height = TwipsToPixels(design.height, dpi_);
  if (design.kind == ControlKind::Label) {
    const SIZE caption = CaptionExtent(control);
    const int grown = std::max(width, static_cast<int>(caption.cx));
    if (design.centred) x -= (grown - width) / 2;
    width = grown;
    const int overrunAt96 = std::max(0, cellHeightsAt96_[static_cast<int>(design.font)] - TwipsToPixels(design.height, 96));
    height = std::max(height, static_cast<int>(caption.cy) - overrunAt96);
  }
  MoveWindow(control, x, TwipsToPixels(top, dpi_), width, height, TRUE);
}

void Win32ConfigWindow::CreateTooltips() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
  for (const ControlDesign& design : ConfigControls()) {
    if (!design.tooltipTextId) continue;
    std::wstring text = LoadText(design.tooltipTextId);  // the tooltip keeps a copy
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the common controls
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(Control(design.id));
    tool.lpszText = text.data();
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void Win32ConfigWindow::Show() {
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  SetFocus(Control(CmdOk));
}

void Win32ConfigWindow::Unload() { DestroyWindow(window_); }

bool Win32ConfigWindow::Value(platform::OptionButton option) const {
  return SendMessageW(Control(OptionId(option)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32ConfigWindow::SetValue(platform::OptionButton option, bool selected) {
  SendMessageW(Control(OptionId(option)), BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
  if (selected) SendMessageW(Control(OptionId(Partner(option))), BM_SETCHECK, BST_UNCHECKED, 0);
  UpdateTabStops();
}

std::string Win32ConfigWindow::Caption(platform::ConfigLabel label) const {
  return Narrow(WindowText(Control(LabelId(label))));
}

void Win32ConfigWindow::SetCaption(platform::ConfigLabel label, std::string_view caption) {
  SetWindowTextW(Control(LabelId(label)), Widen(caption).c_str());
  Place(*DesignOf(LabelId(label)));
}

void Win32ConfigWindow::OpenInShell(std::string_view target, int16 showCommand) {
  ShellExecuteA(window_, nullptr, ToAnsi(Widen(target)).c_str(), nullptr, nullptr, showCommand);
}

void Win32ConfigWindow::UpdateTabStops() {
  for (ControlId first : {Option2, Option3}) {
    // Option2 and Option1 follow each other in the tab order, as do Option3 and Option4.
    HWND buttons[2] = {Control(first), Control(static_cast<ControlId>(first + 1))};
    const bool secondSelected = SendMessageW(buttons[1], BM_GETCHECK, 0, 0) == BST_CHECKED;
    for (int i = 0; i < 2; ++i) {
      LONG_PTR style = GetWindowLongPtrW(buttons[i], GWL_STYLE);
      style = (i == (secondSelected ? 1 : 0)) ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP});
      SetWindowLongPtrW(buttons[i], GWL_STYLE, style);
    }
  }
}

bool Win32ConfigWindow::PreTranslate(MSG& msg) { return g_dialog && IsDialogMessageW(g_dialog, &msg); }

LRESULT Win32ConfigWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC: {
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      if (id != LblHPaddr && id != LblMLaddr) break;
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, kDarkBlue);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
      // An ordinary window forgets its focused control when deactivated; a dialog does not.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) focus_ = focus;
      } else if (focus_) {
        SetFocus(focus_);
      }
      return 0;
    case WM_DPICHANGED: {
      // Moved to a monitor of another DPI: where Windows suggests, laid out at that DPI.
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      LayOut(HIWORD(wParam));
      return 0;
    }
    case WM_DESTROY:
      window_ = nullptr;
      g_dialog = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32ConfigWindow::ReportUnhandledError() { ReportUnhandledAndEnd(process_); }

void Win32ConfigWindow::Command(int id, int notification) {
  // Enter, which the dialog keys turn into IDOK, presses the focused command button.
  if (id == IDOK) {
    HWND focus = GetFocus();
    if (focus == Control(CmdOk) || focus == Control(CmdNg)) SendMessageW(focus, BM_CLICK, 0, 0);
    return;
  }
  // BN_CLICKED and STN_CLICKED are both 0.
  if (notification != BN_CLICKED) return;
  switch (id) {
    case CmdOk: events_.CmdOk_Click(); break;
    case CmdNg: events_.CmdNg_Click(); break;
    case LblNomal: events_.LblNomal_Click(); break;
    case LblKakuhen: events_.LblKakuhen_Click(); break;
    case LblHighSP: events_.LblHighSP_Click(); break;
    case LblLowSP: events_.LblLowSP_Click(); break;
    case LblHPaddr: events_.LblHPaddr_Click(); break;
    case LblMLaddr: events_.LblMLaddr_Click(); break;
    case Option1:
    case Option2:
    case Option3:
    case Option4:
      // The button moved the selection itself; the tab stop follows it.
      UpdateTabStops();
      break;
  }
}

}  // namespace zv::win32
