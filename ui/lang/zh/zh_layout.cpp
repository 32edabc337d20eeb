#include "ui/lang/zh/zh_layout.h"

#include <array>

#include "ui/window_controls.h"

namespace vorlan::ui {
namespace {

using enum ControlKind;
using C = ControlSpec;

constexpr FontSpec kSong9{"宋体", 9};
constexpr FontSpec kSong10{"宋体", 10.5};
constexpr FontSpec kArial9{"Arial", 9};

constexpr std::array kControls = {
    // The window's own controls. "发送消息" comes after Frame3 so it is drawn above it.
    C{"Frame1", Group, "", "基本设置", {120, 120, 4695, 3855}},
    C{"Frame2", Group, "", "射频设置", {4920, 120, 4575, 1575}},
    C{"Frame10", Group, "", "互联网设置", {4920, 1800, 4575, 3135}},
    C{"Frame3", Group, "", "发送指令和消息", {120, 4080, 4695, 1695}},
    C{"Command2", Button, "", "发送消息", {3720, 4320, 975, 615}},
    C{"Frame5", Group, "", "设置串口", {4920, 5160, 3015, 1215}},
    C{"Command1", Button, "", "About", {8160, 5160, 1335, 495}},
    C{"Command4", Button, "", "退出", {8160, 5760, 1335, 615}},
    C{"Label36", Label, "", "先选择串口, 再按“读出配置”。", {120, 6000, 4695, 255}},
    C{"Label37", Label, "", "vorlan_setup 设置程序", {120, 6240, 4815, 255}},

    // 基本设置
    C{"Label1", Label, "Frame1", "呼号", {120, 360, 855, 255}},
    C{"Text1", Entry, "Frame1", "", {720, 360, 1335, 255}},
    C{"Label5", Label, "Frame1", "符号", {2280, 360, 375, 255}},
    C{"Text9", Entry, "Frame1", "", {2760, 360, 375, 270}},
    C{"Check9", Check, "Frame1", "声音提示", {3360, 360, 1095, 255}},
    C{"Check7", Check, "Frame1", "输出航点", {3360, 600, 1215, 255}},
    C{"Label2", Label, "Frame1", "密码", {120, 720, 855, 255}},
    C{"Text2", Entry, "Frame1", "", {720, 720, 735, 270}},
    C{"Label3", Label, "Frame1", "群呼号", {1680, 720, 615, 255}},
    C{"Text3", Entry, "Frame1", "", {2280, 720, 855, 270}},
    C{"Check5", Check, "Frame1", "", {3360, 840, 1095, 255}},
    C{"Label18", Label, "Frame1", "路径", {120, 1080, 375, 255}},
    C{"Text17", Entry, "Frame1", "", {720, 1080, 2415, 270}},
    C{"Check11", Check, "Frame1", "", {3360, 1080, 1095, 255}},
    C{"Label11", Label, "Frame1", "文本", {120, 1440, 495, 255}},
    C{"Text11", Entry, "Frame1", "", {720, 1440, 3855, 270}},
    C{"Frame8", Group, "Frame1", "无线电设置", {120, 1800, 2535, 1935}},
    C{"Frame4", Group, "Frame1", "数字中继设置", {2760, 1800, 1815, 1935}},

    // 无线电设置
    C{"Check3", Check, "Frame8", "智能信标", {120, 240, 1095, 255}},
    C{"Check8", Check, "Frame8", "PTT后发", {120, 480, 1095, 255}},
    C{"Check6", Check, "Frame8", "车载模式", {120, 720, 1095, 255}},
    C{"Check10", Check, "Frame8", "压缩格式", {1200, 240, 1215, 255}},
    C{"Check2", Check, "Frame8", "附加报告", {1200, 480, 1095, 255}},
    C{"Check4", Check, "Frame8", "", {1200, 720, 1095, 255}},
    C{"Label19", Label, "Frame8", "发射延时", {120, 1080, 855, 255}},
    C{"Text16", Entry, "Frame8", "", {960, 1080, 375, 255}},
    C{"Label34", Label, "Frame8", "x20毫秒", {1440, 1080, 855, 255}},
    C{"Label39", Label, "Frame8", "发送间隔", {120, 1320, 735, 255}},
    C{"Text25", Entry, "Frame8", "", {960, 1320, 375, 270}},
    C{"Label40", Label, "Frame8", "秒", {1440, 1320, 375, 255}},
    C{"Label25", Label, "Frame8", "定时发送", {120, 1560, 855, 255}},
    C{"Text18", Entry, "Frame8", "", {960, 1560, 375, 270}},
    C{"Label12", Label, "Frame8", "分钟", {1440, 1560, 495, 255}},

    // 数字中继设置
    C{"Check1", Check, "Frame4", "数字中继", {120, 240, 1455, 255}},
    C{"Check13", Check, "Frame4", "固定经纬度", {120, 480, 1455, 255}},
    C{"Label4", Label, "Frame4", "时隙", {120, 840, 375, 255}},
    C{"Text4", Entry, "Frame4", "", {600, 840, 495, 270}},
    C{"Label16", Label, "Frame4", "纬度", {120, 1200, 375, 255}},
    C{"Text13", Entry, "Frame4", "", {600, 1200, 975, 270}},
    C{"Label8", Label, "Frame4", "经度", {120, 1560, 375, 255}},
    C{"Text5", Entry, "Frame4", "", {600, 1560, 975, 270}},

    // 射频设置
    C{"Label20", Label, "Frame2", "频道1", {120, 360, 495, 255}},
    C{"Text19", Entry, "Frame2", "", {720, 360, 855, 270}},
    C{"Label24", Label, "Frame2", "MHz", {1680, 360, 375, 255}},
    C{"Label21", Label, "Frame2", "频道2", {120, 720, 495, 255}},
    C{"Text20", Entry, "Frame2", "", {720, 720, 855, 270}},
    C{"Label26", Label, "Frame2", "MHz", {1680, 720, 375, 255}},
    C{"Label23", Label, "Frame2", "发射哑音", {2640, 840, 735, 255}},
    C{"Text21", Entry, "Frame2", "", {3480, 840, 375, 270}},
    C{"Label32", Label, "Frame2", "工作模式", {120, 1080, 975, 255}},
    // Wider than designed and a little further left, up to "工作模式", so that "频道12轮流收发"
    // shows whole and the box still ends before "接收哑音".
    C{"Combo9", DropDown, "Frame2", "", {870, 1080, 1710, 300}},
    C{"Label27", Label, "Frame2", "接收哑音", {2640, 1200, 735, 255}},
    C{"Text22", Entry, "Frame2", "", {3480, 1200, 375, 270}},
    // Wider than designed, to the group's right edge: "或400.000MHz-480.000MHz" breaks only after
    // "或" and takes a line of its own otherwise, the fourth, which "发射哑音" covers.
    C{"Label22",
      Label,
      "Frame2",
      "频率范围: 136.000MHz-174.000MHz或400.000MHz-480.000MHz",
      {2160, 240, 2295, 615}},

    // 互联网设置
    C{"Check14", Check, "Frame10", "互联网络", {120, 240, 1095, 255}},
    C{"Label13", Label, "Frame10", "服务器验证码", {1920, 600, 1215, 255}},
    C{"Text10", Entry, "Frame10", "", {3120, 600, 615, 270}},
    C{"Check15", Check, "Frame10", "无线电转服务器", {120, 480, 1575, 255}},
    C{"Label35", Label, "Frame10", "网络发送间隔", {1920, 240, 1215, 255}},
    C{"Text34", Entry, "Frame10", "", {3120, 240, 375, 270}},
    C{"Label47", Label, "Frame10", "秒", {3600, 240, 255, 255}},
    C{"Check16", Check, "Frame10", "服务器转无线电", {120, 720, 1575, 255}},
    C{"Check12", Check, "Frame10", "服务器转蓝牙", {120, 960, 1575, 255}},
    C{"Label15", Label, "Frame10", "过滤", {1800, 960, 495, 255}},
    C{"Text6", Entry, "Frame10", "", {2280, 960, 2175, 270}},
    C{"Label17", Label, "Frame10", "APRS服务器1", {120, 1320, 1095, 255}},
    C{"Text12", Entry, "Frame10", "", {1200, 1320, 2415, 270}},
    C{"Check17", Check, "Frame10", "启用", {3720, 1320, 735, 255}},
    C{"Label28", Label, "Frame10", "APRS服务器2", {120, 1680, 1095, 255}},
    C{"Text15", Entry, "Frame10", "", {1200, 1680, 2415, 270}},
    C{"Check18", Check, "Frame10", "启用", {3720, 1680, 735, 255}},
    C{"Label29", Label, "Frame10", "WiFi名字", {120, 2040, 855, 255}},
    C{"Text23", Entry, "Frame10", "", {960, 2040, 1335, 270}},
    C{"Label30", Label, "Frame10", "WiFi密码", {120, 2400, 855, 255}},
    C{"Text24", Entry, "Frame10", "", {960, 2400, 1335, 270}},
    C{"Label33", Label, "Frame10", "报警号码", {2400, 2040, 855, 255}},
    C{"Text29", Entry, "Frame10", "", {3240, 2040, 1215, 270}},
    C{"Label38", Label, "Frame10", "本机号码", {2400, 2400, 855, 255}},
    C{"Text30", Entry, "Frame10", "", {3240, 2400, 1215, 270}},

    // 发送指令和消息
    C{"Label7", Label, "Frame3", "对方呼号", {120, 240, 1095, 255}},
    C{"Text7", Entry, "Frame3", "", {960, 240, 1215, 270}},
    C{"Command3", Button, "Frame3", "发送指令", {2400, 240, 975, 615}},
    C{"Label9", Label, "Frame3", "对方密码", {120, 600, 855, 255}},
    C{"Text8", Entry, "Frame3", "", {960, 600, 1215, 270}},
    C{"Label46", Label, "Frame3", "指令", {120, 960, 495, 255}},
    C{"Text26", Entry, "Frame3", "", {600, 960, 3975, 270}},
    C{"Label31", Label, "Frame3", "消息", {120, 1320, 495, 255}},
    C{"Text27", Entry, "Frame3", "", {600, 1320, 3975, 270}},

    // 设置串口
    C{"Combo1", DropDown, "Frame5", "", {120, 240, 1215, 300}},
    C{"Command6", Button, "Frame5", "写入配置", {1440, 240, 1215, 375}},
    C{"Command8", Button, "Frame5", "出厂配置", {120, 720, 1095, 375}},
    C{"Command7", Button, "Frame5", "读出配置", {1440, 720, 1215, 375}},
};
static_assert(HoldsTheNamedControls(kControls));

constexpr std::array kFonts = {
    FontRule{"Frame1", kArial9},
    FontRule{"Frame2", kSong9},
    FontRule{"Frame3", kSong9},
    FontRule{"Frame4", kSong9},
    FontRule{"Frame8", kSong9},
    FontRule{"Frame5", kArial9},
    FontRule{"Command2", {"宋体", 14.25, true}},
    FontRule{"Command3", {"宋体", 14.25, true}},
    FontRule{"Command1", {"Palatino Linotype", 14.25, true}},
    FontRule{"Command4", {"宋体", 21.75, true}},
    FontRule{"Label36", kSong10},
    FontRule{"Label37", kSong10},
};

constexpr std::array<std::string_view, 56> kTabOrder = {
    "Text1",   "Text2",    "Text17",   "Text11",   "Text9",    "Text3",  "Text16",   "Text25",
    "Text18",  "Text4",    "Text13",   "Text5",    "Combo1",   "Text19", "Text20",   "Text21",
    "Text22",  "Command4", "Command6", "Command7", "Command8", "Text6",  "Check6",   "Text12",
    "Text15",  "Text23",   "Text24",   "Text29",   "Text30",   "Combo9", "Command1", "Check14",
    "Check16", "Check13",  "Check15",  "Check9",   "Check11",  "Check8", "Check3",   "Text10",
    "Check12", "Check10",  "Check4",   "Check2",   "Check1",   "Text26", "Command3", "Text8",
    "Text7",   "Check7",   "Check17",  "Check18",  "Text34",   "Text27", "Command2", "Check5",
};
static_assert(TabOrderNamesItsControls(kControls, kTabOrder));

constexpr WindowLayout kLayout{
    .caption = "QX系列APRS无线电定位终端设置程序  V3.0",
    .clientWidth = 9540,
    .clientHeight = 6450,
    .defaultFont = kSong9,
    .controls = kControls,
    .fonts = kFonts,
    .tabOrder = kTabOrder,
    .statusLine = "Label36",
};

}  // namespace

const WindowLayout& ChineseLayout() {
  return kLayout;
}

}  // namespace vorlan::ui
