#include "ui/lang/zh/zh_language.h"

#include <array>

namespace vorlan {
namespace {

constexpr std::array kFieldLabels = {
    FieldLabel{Field::Callsign, "呼号"},
    FieldLabel{Field::Password, "密码"},
    FieldLabel{Field::GroupCall, "群呼号"},
    FieldLabel{Field::DigiNumber, "时隙"},
    FieldLabel{Field::Longitude, "经度"},
    FieldLabel{Field::Filter, "过滤"},
    FieldLabel{Field::SymbolCode, "符号"},
    FieldLabel{Field::LoginPassword, "服务器验证码"},
    FieldLabel{Field::BeaconText, "文本"},
    FieldLabel{Field::Server1, "APRS服务器1"},
    FieldLabel{Field::Latitude, "纬度"},
    FieldLabel{Field::Server2, "APRS服务器2"},
    FieldLabel{Field::TxDelay, "发射延时"},
    FieldLabel{Field::Path, "路径"},
    FieldLabel{Field::TimedTx, "定时发送"},
    FieldLabel{Field::Channel1Freq, "频道1"},
    FieldLabel{Field::Channel2Freq, "频道2"},
    FieldLabel{Field::TxCtcss, "发射哑音"},
    FieldLabel{Field::RxCtcss, "接收哑音"},
    FieldLabel{Field::WifiSsid, "WiFi名字"},
    FieldLabel{Field::WifiPassword, "WiFi密码"},
    FieldLabel{Field::TxInterval, "发送间隔"},
    FieldLabel{Field::AlarmPhone, "报警号码"},
    FieldLabel{Field::MyPhone, "本机号码"},
    FieldLabel{Field::SendInterval, "网络发送间隔"},
    FieldLabel{Field::WorkMode, "工作模式"},
    FieldLabel{Field::HisCallsign, "对方呼号"},
    FieldLabel{Field::HisPassword, "对方密码"},
    FieldLabel{Field::Instruction, "指令"},
    FieldLabel{Field::Message, "消息"},
};

}  // namespace

const LanguageData& ChineseLanguage() {
  static const LanguageData data{
      .language = "zh",
      .values = {.workModes = {"关闭", "频道1收发", "频道2收发", "频道12轮流收发", "频道1发2收"},
                 .server1 = "asia.aprs2.net:14580",
                 .server2 = "rotate.aprs.net:10008"},
      .readCorrect = "读入参数成功!",
      .callsignPrefix = "呼号:",
      .radioReadCorrect = "无线读入参数成功!!!",
      .radioWriteCorrect = "无线设置参数成功!!!",
      .writeCorrect = "设置参数成功!!!",
      .writeIncomplete = "输入某个参数字符位数缺少，请重新输入，或点‘出厂配置’重新设置。",
      .readFails = "读入失败,请检查连线及硬件是否正常工作或再次按'读出'键!!!",
      .receptionError = "数据接收错误,请检查连线及硬件是否正常工作或再次按'写入'及'读出'键!!!",
      .refuseHeadWidth = "未写入: “%1”必须正好是%2个字节, 现在是%3个。",
      .refuseNoWorkMode = "未写入: “%1”必须是列表中的一项, 不能是“%2”。",
      .refuseTailTooLong = "未写入: “%1”最多%2个字节, 现在是%3个。",
      .refuseCharacter = "未发送: “%1”不能含有字符“%2”。",
      .refuseTooManyBytes = "未发送: “%1”最多%2个字节, 现在是%3个 (一个汉字占2个字节)。",
      .refuseForm = "未写入: “%1”必须是%2, 不能是“%3”。",
      .forms = {"", "只含数字 0-9", "DDMM.mm 加 N 或 S, 度 0-90, 分小于 60, 例如 2300.00N",
                "DDDMM.mm 加 E 或 W, 度 0-180, 分小于 60, 例如 11300.00E",
                "以 MHz 为单位、形如 ddd.ddd 的频率, 例如 144.640"},
      .frequencyWarning =
          "“%1”是 %2 MHz, 不在 136.000-174.000 MHz 或 400.000-480.000 MHz 范围内。"
          "仍按原值写入: 请确认设备的电台支持该频率。",
      .noTextCodec =
          "本系统无法为设备编码文字 (Qt 中没有 GB18030 编码): 不能发送任何含文字的内容。"
          "请安装 Qt 所用的 ICU 库。",
      .fieldLabels = kFieldLabels,
      .portUnmapped =
          "%1 没有对应的设备: 找不到这个串口。请插上设备, 或把环境变量 VORLAN_%1 "
          "设为设备的路径。",
      .portMissing = "无法打开 %1 (%2): 设备不存在。请检查设备是否已连接。",
      .portBusy = "无法打开 %1 (%2): 串口正被其他程序使用。请关闭该程序后重新选择串口。",
      .portBusyModemManager =
          " ModemManager 常会占用新接入的 ttyACM 串口: 请停止它 (sudo "
          "systemctl stop ModemManager) 或稍等片刻。",
      .portNoPermission =
          "无法打开 %1 (%2): 没有权限。在 Linux 上用户必须属于 \"dialout\" 组: "
          "运行 \"sudo usermod -aG dialout $USER\", 然后重新登录。",
      .portOpenFailed = "无法打开 %1 (%2): %3",
      .portNotOpen = "没有打开的串口: 请先在串口框中选择设备的串口。",
      .portHungUp = "%1 (%2) 已关闭: 设备被拔出或已挂断。请重新连接设备并重新选择串口。",
      .portWriteFailed = "未能发送到 %1 (%2): %3",
      .portClearFailed = "未发送到 %1 (%2): 清空串口缓冲区失败: %3",
      .portOutputFull = "未发送到 %1 (%2): %3 个字节超出 512 字节的输出缓冲区。",
      .portNotDrained = "%1 (%2): 时间已到, 仍有 %3 个字节等待发送; 设备可能没有全部收到。",
      .statusNoPort = "先选择串口, 再按“读出配置”。",
      .statusOpen = "%1 已打开 (%2)。",
      .statusWaiting = "%1: 等待设备应答, 已收到 %2/%3 字节",
      .statusNoAnswer = "%1 无应答: 串口选错、设备未开或连线?",
      .statusNoAnswerDetail =
          "%1 (%2) 上的设备已 %3 秒没有应答。可能的原因: 串口选错 (串口框的提示列出"
          "每个 COM 号对应的设备), 设备未开机, 或连线松动。仍在等待应答。",
      .statusOutcome = "%1: %2",
      .statusMessageSent = "%1: 消息已发送, 设备不应答消息。",
      .helpDescription = "通过串口读出、修改并写入QX系列APRS终端的配置。",
      .helpDemo = "无需硬件试用本程序: 模拟设备在 COM1 上应答。",
      .demoStarted = "演示: 模拟设备在 COM1 (%1) 上应答。请在串口框中选择 COM1, 再按“读出配置”。",
      .demoNotFound =
          "演示需要设备模拟器 vorlan_device_sim, 但在本程序所在目录 (%1) 和 PATH 中都没有找到。",
      .demoFailed = "演示无法启动: %1",
      .config =
          {
              .menuFile = "文件(&F)",
              .menuOpen = "打开配置...",
              .menuSaveAs = "配置另存为...",
              .menuOpenBackups = "打开备份文件夹",
              .menuExit = "退出",
              .menuHelp = "帮助(&H)",
              .menuPortMapping = "串口对应关系",
              .menuAbout = "关于 vorlan_setup",
              .fileFilter = "配置文件 (*.json)",
              .openTitle = "打开配置",
              .saveTitle = "配置另存为",
              .opened = "%1: 已设置 %2 个参数 (共 44 个)。尚未发送: 按“写入配置”才会写入设备。",
              .unknownKeys = " 未知的键, 已忽略: %1。",
              .notOpened = "%1 未打开, 窗口内容没有改变。",
              .cannotRead = "无法读取该文件: %1",
              .notJson = "该文件不是 JSON 格式: %1 (第 %2 字节)。",
              .notConfiguration = "该文件不是 vorlan_setup 配置文件: 其 \"format\" 不是 "
                                  "\"vorlan_setup configuration\"。",
              .newerVersion =
                  "该文件由更新版本的程序保存 (格式版本 %1, 本程序最高只能读取版本 %2)。",
              .valueName = "“%1” (%2)",
              .wrongType = "%1 必须是%2。",
              .valueTypes = {"对象 {...}", "带引号的文字", "不小于 1 的整数", "true 或 false",
                             "工作模式代码, 即 0 到 4 的整数, 或设备自己的代码 (一个字节的文字)",
                             "带引号的文字, 或 {\"text\": ..., \"hex\": ...}",
                             "true 或 false, 或设备自己的代码 (一个字节的文字)"},
              .badHex = "%1: “%2”不是十六进制数, 每个字节应为两位 0-9 或 a-f。",
              .notText =
                  "%1: 第 %2 个字符是半个代理对, 不是字符; 不是文字的字节应写在 \"hex\" 中。",
              .tooLong = "%1 在线路上占 %2 个字节, 该参数最多 %3 个。",
              .notRegularFile = "它不是普通文件, 而是设备、管道或文件夹。",
              .tooBig = "它有 %1 个字节, 配置文件最多 %2 个字节。",
              .duplicateKey = "键 %1 出现了两次: 每个值只能给一次。",
              .noWorkModeCode = "%1 是 %2, 不是工作模式代码 (0 到 4)。",
              .writeRefusal = "“写入配置”会拒绝该文件:",
              .notSaved = "%1 未保存: %2",
              .workModeNotSaved =
                  "未保存: “%1”必须是列表中的一项, 不能是“%2” (文件中以设备的代码保存工作模式)。",
              .backupNotSaved = "本次读出的备份未能保存 (%1): %2",
              .backupNotRemoved = "无法删除旧的备份 (%1): %2",
              .backupsFolderNotShown = "无法打开备份文件夹: %1",
              .portMapping = "本机上 COM1 至 COM30 对应的设备:",
              .noPortMapping =
                  "找不到任何串口。请插上设备, 或把环境变量 VORLAN_COM<n> 设为设备的路径。",
              .aboutProgram = "vorlan_setup %1\nQX系列APRS终端设置程序。\n许可证: GPL-3.0-or-later",
          },
      .qtTranslation = "qtbase_zh_CN",
  };
  return data;
}

}  // namespace vorlan
