// --demo: the device simulator on a pseudo-terminal stands in for the device on COM1, and ends with
// the program.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "link/discovery/port_names.h"
#include "ui/demo_mode.h"
#include "ui/lang/en/en_language.h"

#ifdef VORLAN_DEVICE_SIM

namespace vorlan::test {
namespace {

const QString kSimulator = QStringLiteral(VORLAN_DEVICE_SIM);

// PATH for the length of a test.
class PathFor {
 public:
  explicit PathFor(const QString& path) : saved_(qgetenv("PATH")) {
    qputenv("PATH", path.toLocal8Bit());
  }
  ~PathFor() { qputenv("PATH", saved_); }

 private:
  QByteArray saved_;
};

// Sends a request over the pty as the tool does and returns the first bytes of the answer.
QByteArray Ask(const QString& pty, const QByteArray& request, int want) {
  const int fd = open(pty.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
  if (fd < 0) return "cannot open";
  termios t{};
  tcgetattr(fd, &t);
  cfmakeraw(&t);
  tcsetattr(fd, TCSANOW, &t);
  QByteArray answer;
  if (write(fd, request.data(), size_t(request.size())) == request.size()) {
    pollfd watch{fd, POLLIN, 0};
    char byte;
    while (answer.size() < want && poll(&watch, 1, 5000) == 1 && read(fd, &byte, 1) == 1) {
      answer += byte;
    }
  }
  close(fd);
  return answer;
}

TEST(DemoModeTest, FindsTheSimulatorInPathWhenItIsNotBesideTheProgram) {
  {
    PathFor path(QFileInfo(kSimulator).absolutePath());
    EXPECT_EQ(ui::FindDeviceSimulator(), QFileInfo(kSimulator).absoluteFilePath());
  }
  QTemporaryDir empty;
  PathFor path(empty.path());
  EXPECT_EQ(ui::FindDeviceSimulator(), QString());
}

TEST(DemoModeTest, PinsComOneToTheSimulatorsPtyWhichAnswersAndEndsWithTheProgram) {
  QString pty;
  {
    PathFor path(QFileInfo(kSimulator).absolutePath());
    ui::DemoDevice device;
    ASSERT_TRUE(ui::StartDemo(device, EnglishLanguage()));
    pty = device.ptyPath();
    EXPECT_TRUE(pty.startsWith("/dev/pts/")) << pty.toStdString();
    EXPECT_EQ(DevicePathForPort(1), pty);
    EXPECT_EQ(Ask(pty, "$2#", 2), "$1");  // the start of a read-back
  }
  qunsetenv("VORLAN_COM1");
  // The simulator has ended: its pseudo-terminal is gone.
  EXPECT_FALSE(QFileInfo::exists(pty)) << pty.toStdString();
}

TEST(DemoModeTest, SaysWhyTheSimulatorDidNotStart) {
  const struct {
    QString program;
    QString failure;
  } rows[] = {
      {"/nonexistent/vorlan_device_sim", "/nonexistent/vorlan_device_sim: "},
      {"/bin/true", "/bin/true named no pseudo-terminal within 300 ms"},  // ends at once
      {"/bin/cat", "/bin/cat named no pseudo-terminal within 300 ms"},    // says nothing
  };
  for (const auto& row : rows) {
    ui::DemoDevice device;
    EXPECT_TRUE(device.start(row.program, 300).startsWith(row.failure))
        << row.program.toStdString();
    EXPECT_EQ(device.ptyPath(), QString());
  }
}

}  // namespace
}  // namespace vorlan::test

#endif  // VORLAN_DEVICE_SIM
