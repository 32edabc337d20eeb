// Tools > Set up several trackers in both builds: the menu entry and the dialog in the build's
// words; a bad table refused whole in one message before any port is opened, a template file that
// is none as the window words it; and each tracker's state as the run goes, against simulators on
// pseudo-terminals: one done, one silent that fails alone, a rerun that finds the first already
// set up and writes it nothing, and trackers plugged in one after the other until Stop.

#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "link/transport/system_serial_link.h"
#include "simulator.h"
#include "ui/provision_dialog.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

class ProvisionDialogTest : public WindowTest {
 protected:
  const LanguageData& lang() const { return GetParam().language(); }

  // The dialog over the window's values, its ports those given (listed, and present when
  // trackers are plugged in), its links counted.
  std::unique_ptr<ui::ProvisionDialog> dialog(const QList<MappedPort>& ports, int timeoutMs = 300) {
    ui::ProvisionSetup setup;
    setup.links = [this]() -> std::unique_ptr<DeviceLink> {
      ++linksMade;
      return std::make_unique<SystemSerialLink>();
    };
    setup.ports = [ports] { return ports; };
    setup.present = [ports] { return ports; };
    setup.timeoutMs = timeoutMs;
    setup.backupFolder = dir.filePath("backups");
    auto shown = ui::ShownTemplate(window->parameters(), {}, lang());
    auto made = std::make_unique<ui::ProvisionDialog>(window.get(), lang(), setup, shown);
    made->show();
    return made;
  }
  QString write(const QString& name, const QByteArray& text) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
  }
  // Ticks every port of the list, names the table and presses Start.
  void startWith(ui::ProvisionDialog& d, const QString& table) {
    auto* list = d.findChild<QListWidget*>("portList");
    for (int i = 0; i < list->count(); ++i) list->item(i)->setCheckState(Qt::Checked);
    d.findChild<QLineEdit*>("tableFile")->setText(table);
    d.findChild<QPushButton*>("startButton")->click();
  }
  bool finished(ui::ProvisionDialog& d) {
    return WaitUntil([&] { return d.findChild<QPushButton*>("startButton")->isEnabled(); }, 10000);
  }
  QString state(ui::ProvisionDialog& d, int row) {
    return d.findChild<QTableWidget*>("trackerTable")->item(row, 3)->text();
  }

  QTemporaryDir dir;
  int linksMade = 0;
};

TEST_P(ProvisionDialogTest, TheToolsMenuOpensTheDialogInTheBuildsWords) {
  auto* entry = control<QAction>("actionProvision");
  EXPECT_EQ(entry->text(), english() ? "Set up several trackers..." : "批量设置多台设备...");
  EXPECT_TRUE(control<QMenu>("menuTools")->actions().contains(entry));

  QString title, start;
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(WaitUntil([] { return QApplication::activeModalWidget() != nullptr; }));
    auto* shown = qobject_cast<ui::ProvisionDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(shown);
    title = shown->windowTitle();
    start = shown->findChild<QPushButton*>("startButton")->text();
    shown->reject();
  });
  entry->trigger();
  EXPECT_EQ(title, english() ? "Set up several trackers" : "批量设置多台设备");
  EXPECT_EQ(start, english() ? "Start" : "开始");
}

TEST_P(ProvisionDialogTest, ABadTableIsRefusedWholeInOneMessageAndNoPortIsOpened) {
  const MappedPort com3{3, "/dev/null-com3", true}, com4{4, "/dev/null-com4", true};
  const struct {
    QByteArray table;
    QStringList english, chinese;  // the message's lines after its headline
  } rows[] = {
      {"Callsign,Colour\nBG7AA-1,red,blue\n",
       {"Line 2 has 3 fields; the header has 2."},
       {"第 2 行有 3 个字段, 标题行有 2 个。"}},
      {"Callsign,Colour,BeaconText\nBG7AA-1,red,a\nBG7AAAAAAAAAAA,,b\nbg7aa-1,,c\n",
       {"The column \"Colour\" is no field's name, nor \"port\".",
        "Row 2 (line 3): \"Callsign\" (parameters.Callsign) takes 14 bytes on the line; its "
        "field takes at most 12.",
        "Row 3 (line 4) has the callsign of row 1: bg7aa-1."},
       {"列“Colour”不是参数名称, 也不是“port”。",
        "第 2 行 (文件第 3 行): “呼号” (parameters.Callsign) 在线路上占 14 个字节, 该参数最多 12 "
        "个。",
        "第 3 行 (文件第 4 行) 的呼号与第 1 行相同: bg7aa-1。"}},
      {"Callsign,port\nBG7AA-1,\nBG7AB-2,\nBG7AC-3,COM9x\n",
       {"Row 3 (line 4) names the port \"COM9x\", which is no COM port and no device path."},
       {"第 3 行 (文件第 4 行) 的串口“COM9x”既不是 COM 串口, 也不是设备路径。"}},
      {"Callsign\nBG7AA-1\nBG7AB-2\nBG7AC-3\n",
       {"3 rows, but only 2 ports."},
       {"有 3 行, 但只有 2 个串口。"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.table.toStdString());
    messages.clear();
    auto d = dialog({com3, com4});
    const QString table = write("club.csv", row.table);
    startWith(*d, table);
    ASSERT_TRUE(WaitUntil([&] { return !messages.isEmpty(); }));
    QStringList expected{english() ? table + " was not used; nothing was sent:"
                                   : table + " 未被采用, 没有发送任何内容:"};
    expected += english() ? row.english : row.chinese;
    EXPECT_EQ(messages, QStringList{expected.join('\n')});
    EXPECT_EQ(linksMade, 0);
    EXPECT_FALSE(d->running());
  }
}

TEST_P(ProvisionDialogTest, ATemplateFileThatIsNoConfigurationIsSaidAsTheWindowSaysIt) {
  auto d = dialog({{3, "/dev/null-com3", true}});
  const QString file = write("club.json", R"({"format": "other"})");
  d->findChild<QRadioButton*>("templateFromFile")->setChecked(true);
  d->findChild<QLineEdit*>("templateFile")->setText(file);
  startWith(*d, write("club.csv", "Callsign\nBG7AA-1\n"));
  ASSERT_TRUE(WaitUntil([&] { return !messages.isEmpty(); }));
  EXPECT_EQ(messages,
            QStringList{english() ? file + " was not opened; the window is unchanged.\nIt "
                                           "is not a vorlan_setup configuration: its "
                                           "\"format\" is not \"vorlan_setup "
                                           "configuration\"."
                                  : file + " 未打开, 窗口内容没有改变。\n该文件不是 "
                                           "vorlan_setup 配置文件: 其 \"format\" 不是 "
                                           "\"vorlan_setup configuration\"。"});
  EXPECT_EQ(linksMade, 0);
}

TEST_P(ProvisionDialogTest, EachTrackersStateIsShownAndASilentOneFailsAlone) {
  Simulator tracker, silent({"--fast", "--cut", "0"});
  auto d = dialog({{3, tracker.path(), true}, {5, silent.path(), true}});
  // Every text the state column shows, in order, one list per tracker.
  QList<QStringList> shown(2);
  QObject::connect(d->findChild<QTableWidget*>("trackerTable"), &QTableWidget::itemChanged,
                   [&](QTableWidgetItem* item) {
                     if (item->column() != 3 || item->row() > 1) return;
                     QStringList& states = shown[item->row()];
                     if (states.isEmpty() || states.last() != item->text()) states << item->text();
                   });
  const QString table = write("club.csv", "Callsign\nBG7AA-1\nBG7AB-2\n");
  startWith(*d, table);
  ASSERT_TRUE(finished(*d));

  const QStringList done = english() ? QStringList{"reading", "writing", "checking", "done"}
                                     : QStringList{"读出", "写入", "核对", "完成"};
  EXPECT_EQ(shown[0].mid(shown[0].indexOf(done[0])), done);
  EXPECT_EQ(state(*d, 1), english() ? "failed: no answer within 0.3 s" : "失败: 0.3 秒内没有应答");
  EXPECT_EQ(d->findChild<QTableWidget*>("trackerTable")->item(0, 2)->text(), "BG7AA-1");
  EXPECT_EQ(d->findChild<QLabel*>("runStatus")->text(),
            english() ? "1 of 2 trackers set up." : "已设置 1 台, 共 2 台。");
  EXPECT_EQ(tracker.received("write").size(), 1);
  // The report says why, in the build's words; a tracker that never answered has no callsign.
  ASSERT_TRUE(d->saveReport(dir.filePath("report.csv")));
  QFile report(dir.filePath("report.csv"));
  ASSERT_TRUE(report.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(report.readAll()).split("\r\n").value(2),
            "2,COM5," + silent.path() + ",,,," +
                (english() ? "failed,no answer within 0.3 s," : "失败,0.3 秒内没有应答,"));

  // Again: the first holds its row already and gets no write frame.
  startWith(*d, table);
  ASSERT_TRUE(finished(*d));
  EXPECT_EQ(state(*d, 0), english() ? "already set up" : "已设置好");
  EXPECT_EQ(tracker.received("write").size(), 1);
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_P(ProvisionDialogTest, PluggedInEachTrackerGetsTheNextRowUntilStopped) {
  Simulator tracker;
  auto d = dialog({{3, tracker.path(), true}});
  d->findChild<QRadioButton*>("portsPlugged")->setChecked(true);
  startWith(*d, write("club.csv", "Callsign\nBG7AA-1\nBG7AB-2\n"));
  ASSERT_TRUE(WaitUntil([&] { return state(*d, 0) == (english() ? "done" : "完成"); }, 10000));
  EXPECT_EQ(d->findChild<QTableWidget*>("trackerTable")->item(0, 1)->text(), "COM3");
  EXPECT_EQ(
      d->findChild<QLabel*>("runStatus")->text(),
      english() ? "Plug in the next tracker (rows left: 1)." : "请插上下一台设备 (还剩 1 行)。");
  EXPECT_TRUE(d->running());

  d->findChild<QPushButton*>("stopButton")->click();
  ASSERT_TRUE(finished(*d));
  EXPECT_EQ(state(*d, 1),
            english() ? "failed: no tracker was plugged in for it" : "失败: 没有为它插上设备");
  EXPECT_EQ(linksMade, 1);
  EXPECT_EQ(d->findChild<QLabel*>("runStatus")->text(),
            english() ? "1 of 2 trackers set up." : "已设置 1 台, 共 2 台。");
}

INSTANTIATE_TEST_SUITE_P(Builds, ProvisionDialogTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
