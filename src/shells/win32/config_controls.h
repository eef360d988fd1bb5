#pragma once
#include <span>

namespace zv::win32 {

// The configuration dialog's controls, numbered in tab-index order: Windows takes the tab
// order from the order of creation. The numbers are the controls' ids in WM_COMMAND; they
// stay clear of IDOK and IDCANCEL, which the dialog keys send for Enter and Escape.
enum ControlId : int {
  kNoControl = 0,
  CmdOk = 100,
  CmdNg,
  LblHPaddr,
  lblVersion,
  LblMLaddr,
  Label3,
  lblProductName,
  Frame1,
  Option2,
  Option1,
  LblNomal,
  LblKakuhen,
  Frame2,
  Option3,
  Option4,
  LblLowSP,
  LblHighSP,
};

enum class ControlKind { Frame, OptionButton, Label, CommandButton };

// Dialog: the default dialog font, one that shows Japanese. Gothic9: ＭＳ ゴシック 9 pt, Shift-JIS.
// SansSerif975 and SansSerif825: MS Sans Serif 9.75 pt and 8.25 pt, ANSI.
enum class ControlFont { Dialog, Gothic9, SansSerif975, SansSerif825 };

struct ControlDesign {
  ControlId id;
  ControlKind kind;
  ControlId container;           // kNoControl for the dialog itself, else the frame
  unsigned captionTextId;        // a Japanese caption from the string table, or 0
  const char* caption;           // an ASCII caption when captionTextId is 0
  int left, top, width, height;  // twips, from the container's top-left corner
  ControlFont font;
  bool centred;
  bool darkBlue;
  unsigned tooltipTextId;        // 0: no tooltip
};

// Every control of the dialog, in creation (tab-index) order.
std::span<const ControlDesign> ConfigControls();

// The dialog's client area in twips.
inline constexpr int kConfigClientWidth = 5070;
inline constexpr int kConfigClientHeight = 2880;

// Twips to pixels at a DPI, to the nearest pixel: a twip is 1/1440 inch, so 15 twips make a
// pixel at 96 DPI.
inline constexpr int TwipsToPixels(int twips, int dpi) { return (twips * dpi + 720) / 1440; }

}  // namespace zv::win32
