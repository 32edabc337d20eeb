// The window's "Set up several trackers" against two simulators on pseudo-terminals pinned as COM3
// and COM4, in both builds: a template file and a table with a row per tracker; both trackers end
// with their rows' values and the template's; the window's own port is closed during the run and
// open again after; "Save report" writes the report as spreadsheets read it.

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "link/discovery/port_names.h"
#include "link/transport/system_serial_link.h"
#include "simulator.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

class WindowProvisionTest : public WindowTest {
 protected:
  void SetUp() override {
    qputenv("VORLAN_COM3", first.path().toLocal8Bit());
    qputenv("VORLAN_COM4", second.path().toLocal8Bit());
    serial.setDeviceResolver(DiscoveredDevice);
    show(serial);
    ui::ProvisionSetup setup;  // as the program's main hands it over
    setup.links = [] {
      auto port = std::make_unique<SystemSerialLink>();
      port->setDeviceResolver(DiscoveredDevice);
      return port;
    };
    setup.backupFolder = dir.filePath("backups");
    window->setProvisionSetup(setup);
  }
  void TearDown() override {
    WindowTest::TearDown();
    qunsetenv("VORLAN_COM3");
    qunsetenv("VORLAN_COM4");
  }

  QString write(const QString& name, const QByteArray& text) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
  }
  // Runs `steps` in the dialog the Tools menu opens, then closes it.
  void inDialog(const std::function<void(ui::ProvisionDialog&)>& steps) {
    QTimer::singleShot(0, [&] {
      ASSERT_TRUE(WaitUntil([] { return QApplication::activeModalWidget() != nullptr; }));
      auto* dialog = qobject_cast<ui::ProvisionDialog*>(QApplication::activeModalWidget());
      ASSERT_TRUE(dialog);
      steps(*dialog);
      dialog->reject();
    });
    control<QAction>("actionProvision")->trigger();
  }
  // Picks `path` in the next file dialog, as the user types it and presses Enter.
  void chooseInFileDialog(const QString& path) {
    QTimer::singleShot(0, [path] {
      ASSERT_TRUE(WaitUntil(
          [] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; }));
      auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      files->selectFile(path);
      static_cast<QDialog*>(files)->accept();
    });
  }

  Simulator first, second;
  SystemSerialLink serial;
  QTemporaryDir dir;
};

TEST_P(WindowProvisionTest, TwoTrackersAreSetUpWhileTheWindowsPortIsClosed) {
  window->presenter().selectPort("COM3");
  ASSERT_TRUE(window->presenter().session().isOpen());
  const QString templateFile = write("club.json", R"({"format": "vorlan_setup configuration",
      "version": 1, "parameters": {"BeaconText": "Club net", "Path": "WIDE1-1"}})");
  const QString table =
      write("club.csv", "Callsign,LoginPassword\nBG7AA-1,auto\n\"BG7AB-2\",12345\n");
  const QString report = dir.filePath("report.csv");
  bool openDuringRun = false;
  QList<JobReport> reports;

  inDialog([&](ui::ProvisionDialog& d) {
    d.findChild<QRadioButton*>("templateFromFile")->setChecked(true);
    d.findChild<QLineEdit*>("templateFile")->setText(templateFile);
    d.findChild<QLineEdit*>("tableFile")->setText(table);
    auto* ports = d.findChild<QListWidget*>("portList");
    ASSERT_GE(ports->count(), 2);
    for (int i = 0; i < ports->count(); ++i) {
      if (ports->item(i)->text().startsWith("COM3 ") || ports->item(i)->text().startsWith("COM4 "))
        ports->item(i)->setCheckState(Qt::Checked);
    }
    d.findChild<QPushButton*>("startButton")->click();
    EXPECT_TRUE(WaitUntil(
        [&] {
          if (d.running() && window->presenter().session().isOpen()) openDuringRun = true;
          return d.findChild<QPushButton*>("startButton")->isEnabled();
        },
        20000));
    reports = d.reports();
    chooseInFileDialog(report);
    d.findChild<QPushButton*>("saveReportButton")->click();
  });

  EXPECT_FALSE(openDuringRun);
  EXPECT_TRUE(window->presenter().session().isOpen());
  EXPECT_EQ(window->presenter().session().port(), 3);
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();

  // Each tracker got its row's values over the template's: "auto" is BG7AA's passcode.
  const struct {
    Simulator& sim;
    QByteArray callsign, passcode;
  } trackers[] = {{first, "BG7AA-1", "18404"}, {second, "BG7AB-2", "12345"}};
  for (const auto& t : trackers) {
    const QList<QByteArray> writes = t.sim.received("write");
    ASSERT_EQ(writes.size(), 1);
    for (const QByteArray& value :
         {t.callsign, t.passcode, QByteArray("Club net"), QByteArray("WIDE1-1")}) {
      EXPECT_TRUE(writes[0].contains(value)) << value.toStdString();
    }
  }

  ASSERT_EQ(reports.size(), 2);
  for (const JobReport& r : reports) {
    EXPECT_TRUE(r.backupFile.startsWith(dir.filePath("backups"))) << r.backupFile.toStdString();
    EXPECT_TRUE(QFile::exists(r.backupFile));
  }
  QFile saved(report);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QString done = english() ? "done" : "完成";
  const QString header = english() ? "row,port,device,USB serial,callsign before,callsign after,"
                                     "outcome,reason,backup file"
                                   : "行,串口,设备,USB 序列号,原呼号,新呼号,结果,原因,备份文件";
  const QString expected = "\xEF\xBB\xBF" + header + "\r\n" + "1,COM3," + first.path() +
                           ",,SIM1-7,BG7AA-1," + done + ",," + reports[0].backupFile + "\r\n" +
                           "2,COM4," + second.path() + ",,SIM1-7,BG7AB-2," + done + ",," +
                           reports[1].backupFile + "\r\n";
  EXPECT_EQ(QString::fromUtf8(saved.readAll()), expected);
}

INSTANTIATE_TEST_SUITE_P(Builds, WindowProvisionTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
