#include "ui/lang/zh/zh_language.h"
#include "ui/lang/zh/zh_layout.h"

#include <array>

namespace vorlan {
namespace {

using enum FindingId;
constexpr auto kFindings = ByFinding({
    {CallsignEmpty, "没有呼号: 终端发出的数据包不带呼号, 没有台站会接收。"},
    {CallsignBase, "“%1”不是呼号: 呼号由 1 到 6 个字母和数字组成 (AX.25)。"},
    {CallsignSsid, "SSID“%1”不在 1 到 15 之间或带有前导零: AX.25 无法传送。"},
    {CallsignSsidZero, "不写“-0”: 台站呼号应为“%1”。"},
    {CallsignLowerCase, "呼号请用大写字母“%1”: APRS-IS 和中继台不接受小写。"},
    {CallsignPlaceholder,
     "%1 代表尚未设置的台站: APRS-IS 拒绝登录, 中继台丢弃其数据包。请填入您自己的呼号。"},
    {PathElement,
     "“%1”既不是带 SSID 的呼号, 也不是 WIDEn-N 别名 (n 为 1 到 7, N 为 0 到 n): "
     "中继台不会转发。"},
    {PathLowerCase, "请将“%1”写成大写“%2”: 中继台不接受小写。"},
    {PathTooManyHops,
     "到“%1”时路径要求 %2 跳, 超过 WIDE2-2 (2 跳): 会使网络拥塞, 许多中继台会丢弃。"},
    {PathTooManyElements, "路径中有 %1 个中继: AX.25 最多只能带 8 个。"},
    {PasscodeWrong, "这不是 %1 的 APRS-IS 验证码: 服务器把终端视为未验证, 丢弃它发送的数据。"},
    {PasscodeReadOnly, "“-1”为只读登录: 服务器向终端发送数据, 但不接收终端的数据。"},
    {ServerEmpty, "已启用但没有服务器: 请按“主机:端口”填写, 如 rotate.aprs2.net:14580。"},
    {ServerNoPort, "没有端口: 请按“主机:端口”填写, 如 rotate.aprs2.net:14580。"},
    {ServerPort, "端口“%1”不在 1 到 65535 之间。"},
    {ServerHost, "“%1”不是主机名或地址。"},
    {FilterUnknownKind,
     "“%1”不是 APRS-IS 过滤命令 (r/ p/ b/ o/ t/ s/ d/ a/ e/ g/ q/ m/ f/ u/, 前面可加“-”): "
     "服务器无法解析该过滤条件。"},
    {FilterArguments, "“%1”的参数不符合 %2 的格式: 服务器无法解析该过滤条件。"},
    {FilterNumber, "“%1”: “%2”不是数字。"},
    {FilterRange, "“%1”: %2 超出 %3 到 %4 的范围。"},
    {NullPosition, "0000.00N 00000.00E 是零点位置, 位于非洲外海: 请填入台站的位置。"},
    {PositionRange, "“%1”不是有效位置: 度数最多 %2, 分数须小于 60。"},
    {FrequencyRange, "%1 MHz 超出电台的频率范围 136.000-174.000 和 400.000-480.000 MHz。"},
    {WifiSsidEmpty, "没有 WiFi 名字, 但已开启互联网功能: 终端无法连接服务器。"},
    {WifiPasswordShort,
     "WPA2 密码须为 8 到 63 个字符, 现在是 %1 个: 终端无法接入网络。开放网络请留空。"},
    {WifiPasswordCharacter, "WPA2 密码只能含可打印的 ASCII 字符, 不能含“%1”。"},
    {PhoneNumber, "电话号码只能是数字, 前面可加一个“+”, 不能含“%1”。"},
    {SymbolNotPrintable, "“%1”不是 APRS 符号: 应为 ! 到 ~ 之间的一个可打印字符。"},
    {SymbolDelimiter, "“%1”无法写入设备: 写入帧用它作分隔符。"},
});
static_assert(AllFindingTexts(kFindings));

}  // namespace

const LanguageData& ChineseLanguage() {
  static const LanguageData data{
      .language = "zh",
      .locale = "zh_CN",
      .workModes = {"关闭", "频道1收发", "频道2收发", "频道12轮流收发", "频道1发2收"},
      .servers = kAsiaServers,
      .readCorrect = "读入参数成功!",
      .callsignPrefix = "呼号:",
      .radioReadCorrect = "无线读入参数成功!!!",
      .radioWriteCorrect = "无线设置参数成功!!!",
      .writeCorrect = "设置参数成功!!!",
      .writeIncomplete = "输入某个参数字符位数缺少，请重新输入，或点‘出厂配置’重新设置。",
      .readFails = "读入失败,请检查连线及硬件是否正常工作或再次按'读出'键!!!",
      .receptionError = "数据接收错误,请检查连线及硬件是否正常工作或再次按'写入'及'读出'键!!!",
      .replyOfAnotherKind =
          "%1 的应答类型与请求不符 (\"%2\"): 设备可能正忙, 或有其他程序正在与它通信。"
          "请再按一次按钮。",
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
      .layout = &ui::ChineseLayout(),
      .portFailures =
          {
              .unmapped = "%1 没有对应的设备: 找不到这个串口。请插上设备, 或把环境变量 VORLAN_%1 "
                          "设为设备的路径。",
              .missing = "无法打开 %1: 设备不存在。请检查设备是否已连接。",
              .busy = "无法打开 %1: 串口正被其他程序使用。请关闭该程序后重新选择串口。",
              .busyBy = "无法打开 %1: %2 正在使用该串口。请关闭它后重新选择串口。",
              .staleLock = "无法打开 %1: 锁文件 %2 是已结束的进程 %3 留下的, 您无权删除它。"
                           "请删除它 (sudo rm %2) 后重新选择串口。",
              .holderName = "%1 (进程 %2)",
              .busyModemManager =
                  " ModemManager 会占用新接入的串口几秒钟以寻找调制解调器: 请稍等片刻, 或停止它 "
                  "(sudo systemctl stop ModemManager)。",
              .takenByBrltty = " 盲文显示服务 brltty 会占用 CH340/CH341 芯片的 USB 串口: "
                               "如果不用盲文显示器, 请卸载它 (sudo apt remove brltty), "
                               "然后重新插上串口线。",
              .noPermission =
                  "无法打开 %1: 没有权限。在 Linux 上用户必须属于 \"dialout\" 组 (Arch Linux 上是 "
                  "\"uucp\"): 运行 \"sudo usermod -aG dialout $USER\", 然后重新登录。",
              .noPermissionGroup = "无法打开 %1: 没有权限。该串口属于 \"%2\" 组: 运行 \"sudo "
                                   "usermod -aG %2 $USER\", 然后注销并重新登录 (只开新终端不够)。",
              .noPermissionLogin = "无法打开 %1: 没有权限。你已加入 \"%2\" 组, 但本次登录早于加入: "
                                   "请注销并重新登录。",
              .openFailed = "无法打开 %1: %2",
              .clearFailed = "未发送到 %1: 清空串口缓冲区失败: %2",
              .writeFailed = "未能发送到 %1: %2",
              .outputFull = "未发送到 %1: %2 个字节超出 512 字节的输出缓冲区。",
              .hungUp = "%1 已关闭: 设备被拔出或已挂断。请重新连接设备并重新选择串口。",
              .notDrained = "%1: 时间已到, 仍有 %2 个字节等待发送; 设备可能没有全部收到。",
          },
      .portNotOpen =
          "没有打开的串口: 串口框显示“%1”, 但只有从列表中选择它才会打开。请选择设备的串口 "
          "(若是“%1”, 就再选一次), 或用“串口” > “查找设备”找到它。",
      .usbSerial = "USB 串口",
      .statusNoPort = "%1 尚未打开: 请从列表中(再)选择它。",
      .statusNoPortDetail =
          "没有打开的串口。串口框显示 %1, 但只有从列表中选择一项 (包括 %1) 才会打开它。"
          "“串口” > “查找设备”可以找到设备所在的串口。",
      .statusOpen = "%1 已打开 (%2)。",
      .statusWaiting = "%1: 等待设备应答, 已收到 %2/%3 字节",
      .statusNoAnswer = "%1 无应答: 串口选错、设备未开或连线?",
      .statusNoAnswerDetail =
          "%1 (%2) 上的设备已 %3 秒没有应答。可能的原因: 串口选错 (“串口” > “查找设备”"
          "可以找到正确的串口, 串口框的提示列出每个 COM 号对应的设备), 设备未开机, 或连线松动。"
          "仍在等待应答。",
      .statusOutcome = "%1: %2",
      .statusMessageSent = "%1: 消息已发送, 设备不应答消息。",
      .statusFactoryReset = "窗口中已是出厂配置, 尚未发送。",
      .statusFactoryResetDetail =
          "窗口中现在是出厂配置。尚未向设备发送任何内容: "
          "按“写入配置”才会写入设备。",
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
              .noBackupFolder = "无法为本次读出建立备份: 没有主目录 (HOME 未设置或不是绝对路径, "
                                "XDG_DATA_HOME 也是如此)。",
              .foreignFolder =
                  "本次读出的备份未保存: %1 是其他用户的文件夹或指向它的链接, 未作改动。",
              .backupsFolderNotShown = "无法打开备份文件夹: %1",
              .portMapping = "本机上 COM1 至 COM30 对应的设备:",
              .noPortMapping =
                  "找不到任何串口。请插上设备, 或把环境变量 VORLAN_COM<n> 设为设备的路径。",
              .aboutProgram = "vorlan_setup %1\nQX系列APRS终端设置程序。\n许可证: GPL-3.0-or-later",
          },
      .finder =
          {
              .menuPort = "串口(&P)",
              .menuFindTracker = "查找设备...",
              .title = "查找设备",
              .intro = "设备接在哪个串口上? 请连接设备并开机, 然后用下面两种方法之一查找。",
              .askWay = "询问: 程序向每个没有被其他程序占用的 USB 串口 (以及用 VORLAN_COM<n> "
                        "设定的串口) 发送 About 请求, 每个最多等待 %1 秒设备的应答。",
              .askButton = "询问各串口",
              .plugWay = "插拔 (不发送任何内容): 拔下设备的连线, 按“确定”, 再重新插上。",
              .asking = "正在询问 %1 ...",
              .plugNow = "请现在重新插上设备的连线。最多等待 %1 秒新串口出现 ...",
              .foundAnswering = "设备在 %1 上应答: “%2”。\n%3 已打开: 请按“读出配置”。",
              .foundPlugged = "新出现的串口: %1。\n%2 已打开: 请按“读出配置”。",
              .noneAnswered = "没有串口像设备那样应答。询问了:",
              .severalAnswered = "有多个串口像设备那样应答, 请在串口框中选择正确的一个。询问了:",
              .nothingToAsk =
                  "没有可以询问的 USB 串口。请插上设备并开机 (只能充电的线不会出现串口), "
                  "或把 VORLAN_COM<n> 设为设备的路径。",
              .noneAppeared = "%1 秒内没有新串口出现。请检查连线 (有的线只能充电) 和插头; "
                              "\"sudo dmesg | tail\" 可以看到系统是否识别了串口芯片。",
              .resultAnswered = "%1: 应答 “%2”",
              .resultSilent = "%1: %2 秒内没有应答",
              .resultOther = "%1: 有应答, 但不是设备的应答 (%2)",
              .resultShort = "%1: %4 秒内只收到应答的 %2/%3 字节 (“%5”)",
              .resultHeld = "%1: 正被 %2 使用, 未询问",
              .resultNotOpened = "%1: %2",
              .othersUnseen = " (看不到其他用户的程序: 其中可能有程序正在使用该串口)",
          },
      .check =
          {
              .menuTools = "工具(&T)",
              .menuCheck = "检查配置",
              .menuPasscode = "APRS-IS 验证码...",
              .findings = kFindings,
              .severities = {"警告", "提示"},
              .summaryOne = "1 个警告: %1",
              .summaryMany = "%1 个警告: %2",
              .fieldSeparator = "、",
              .noWarnings = "没有警告。",
              .noFindings = "未发现问题: 此配置中没有妨碍终端接入 APRS 的设置。",
              .dialogTitle = "检查配置",
              .columnField = "参数",
              .columnSeverity = "级别",
              .columnFinding = "说明",
              .close = "关闭",
              .passcodeOffer = "%1 的 APRS-IS 验证码是 %2。填入“服务器验证码”吗?",
              .passcodeHeld = "%1 的 APRS-IS 验证码是 %2, “服务器验证码”中已是该值。",
              .passcodeNoCallsign =
                  "“呼号”中的“%1”在 SSID 之前不是 1 到 6 个字母和数字: 无法计算 APRS-IS 验证码。",
              .passcodePutIn = "填入",
              .passcodeCancel = "取消",
          },
      .provision =
          {
              .menuProvision = "批量设置多台设备...",
              .title = "批量设置多台设备",
              .templateGroup = "模板: 每台设备都写入的配置",
              .templateWindow = "窗口中显示的配置",
              .templateFile = "配置文件:",
              .templateSource = "窗口",
              .tableGroup = "设备表 (CSV, 每台设备一行)",
              .choose = "选择...",
              .tableFilter = "表格 (*.csv)",
              .tableOpenTitle = "打开设备表",
              .reportFilter = "报告 (*.csv)",
              .reportSaveTitle = "保存报告",
              .portsGroup = "串口",
              .portsListed = "同时使用这些串口:",
              .portsPlugged = "按插上的顺序逐台设置",
              .noPortsFound = "找不到 USB 串口。",
              .columnRow = "行",
              .columnPort = "串口",
              .columnCallsign = "呼号",
              .columnState = "状态",
              .start = "开始",
              .stop = "停止",
              .saveReport = "保存报告",
              .close = "关闭",
              .noTemplateFile = "请选择模板的配置文件。",
              .noTable = "请选择设备表。",
              .noPortTicked = "请勾选要使用的串口, 或选择按插上的顺序逐台设置。",
              .tableRefused = "%1 未被采用, 没有发送任何内容:",
              .rowField = "第 %1 行 (文件第 %2 行): ",
              .csvNotUtf8 = "第 %1 行不是 UTF-8 文字。",
              .csvNoHeader = "没有参数名称的标题行。",
              .csvUnclosedQuote = "从第 %1 行开始的带引号字段没有结束引号。",
              .csvTextAfterQuote = "第 %1 行: 带引号的字段后面除了逗号还有其他内容。",
              .csvQuoteInField = "第 %1 行: 不带引号的字段中有双引号。",
              .csvWrongFieldCount = "第 %1 行有 %2 个字段, 标题行有 %3 个。",
              .noRows = "只有标题行, 下面没有任何设备。",
              .unknownColumn = "列“%1”不是参数名称, 也不是“port”。",
              .columnTwice = "列“%1”出现了两次。",
              .callsignTwice = "第 %1 行 (文件第 %2 行) 的呼号与第 %3 行相同: %4。",
              .portTwice = "第 %1 行 (文件第 %2 行) 的串口与第 %3 行相同: %4。",
              .unknownPort = "第 %1 行 (文件第 %2 行) 的串口“%3”既不是 COM 串口, 也不是设备路径。",
              .moreRowsThanPorts = "有 %1 行, 但只有 %2 个串口。",
              .unknownRow = "没有第 %1 行。",
              .states = {"等待", "读出", "写入", "核对", "完成", "已设置好", "因警告跳过", "失败"},
              .failedWhy = "%1: %2",
              .noAnswer = "%1 秒内没有应答",
              .otherKind = "应答类型不符 (\"%1\")",
              .garbled = "收到的不是应答 (%1)",
              .refused = "设备没有接受写入",
              .mismatch = "读回的值与写入的不同: %1",
              .fieldSeparator = "、",
              .stopped = "已停止",
              .notPluggedIn = "没有为它插上设备",
              .plugNext = "请插上下一台设备 (还剩 %1 行)。",
              .assigned = "第 %1 行分配到 %2。",
              .finished = "已设置 %1 台, 共 %2 台。",
              .reportColumns = {"行", "串口", "设备", "USB 序列号", "原呼号", "新呼号", "结果",
                                "原因", "备份文件"},
              .reportNotSaved = "%1 未保存: %2",
          },
  };
  return data;
}

}  // namespace vorlan
