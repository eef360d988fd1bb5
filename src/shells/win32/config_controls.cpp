#include "shells/win32/config_controls.h"

#include "resource_ids.h"
#include "version.h"

namespace zv::win32 {
namespace {

using enum ControlKind;
using enum ControlFont;

constexpr ControlDesign kControls[] = {
    {CmdOk, CommandButton, kNoControl, 0, "OK", 1080, 1200, 1332, 375, Dialog, false, false, IDS_CONFIG_TIP_OK},
    {CmdNg, CommandButton, kNoControl, 0, "Cancel", 2640, 1200, 1332, 372, Dialog, false, false,
     IDS_CONFIG_TIP_CANCEL},
    {LblHPaddr, Label, kNoControl, 0, ZV_HOME_PAGE, 480, 2430, 4065, 255, SansSerif975, true, true,
     IDS_CONFIG_TIP_HOME_PAGE},
    {lblVersion, Label, kNoControl, 0, "Ver.0.0.0", 2760, 1680, 1380, 255, SansSerif825, true, false,
     IDS_CONFIG_TIP_VERSION},
    {LblMLaddr, Label, kNoControl, 0, ZV_AUTHOR_MAIL, 360, 2160, 4350, 255, SansSerif975, true, true,
     IDS_CONFIG_TIP_MAIL},
    {Label3, Label, kNoControl, 0, ZV_COPYRIGHT, 375, 1920, 4350, 255, SansSerif825, true, false,
     IDS_CONFIG_TIP_COPYRIGHT},
    {lblProductName, Label, kNoControl, 0, "title", 960, 1680, 1785, 255, SansSerif975, true, false,
     IDS_CONFIG_TIP_PRODUCT_NAME},
    {Frame1, Frame, kNoControl, IDS_CONFIG_FRAME_PROBABILITY, nullptr, 240, 120, 2415, 972, Gothic9, false, false, 0},
    {Option2, OptionButton, Frame1, 0, "Option2", 240, 600, 252, 180, Dialog, false, false, 0},
    {Option1, OptionButton, Frame1, 0, "Option1", 240, 360, 252, 180, Dialog, false, false, 0},
    {LblNomal, Label, Frame1, IDS_CONFIG_LABEL_NORMAL, nullptr, 600, 360, 1695, 180, Gothic9, false, false, 0},
    {LblKakuhen, Label, Frame1, IDS_CONFIG_LABEL_KAKUHEN, nullptr, 600, 600, 1695, 180, Gothic9, false, false, 0},
    {Frame2, Frame, kNoControl, IDS_CONFIG_FRAME_MACHINE, nullptr, 2760, 120, 2055, 975, Dialog, false, false, 0},
    {Option3, OptionButton, Frame2, 0, "Option1", 240, 360, 252, 180, Dialog, false, false, 0},
    {Option4, OptionButton, Frame2, 0, "Option2", 240, 600, 252, 180, Dialog, false, false, 0},
    {LblLowSP, Label, Frame2, IDS_CONFIG_LABEL_LOW, nullptr, 600, 600, 1080, 180, Gothic9, false, false, 0},
    {LblHighSP, Label, Frame2, IDS_CONFIG_LABEL_HIGH, nullptr, 600, 360, 1080, 180, Gothic9, false, false, 0},
};

}  // namespace

std::span<const ControlDesign> ConfigControls() { return kControls; }

}  // namespace zv::win32
