// The window's "Save configuration as..." on a full disk: the old file stays as it was and the
// window says why it saved nothing, in its language.

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "config/config_writer.h"
#include "full_disk.h"
#include "params/presets.h"
#include "ui/config_messages.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

const bool kTestPaths = [] {
  QStandardPaths::setTestModeEnabled(true);
  return true;
}();

class FullDiskSaveTest : public WindowTest {
 protected:
  void SetUp() override {
    QObject::connect(&dialogTimer, &QTimer::timeout, [this] { answerFileDialog(); });
    dialogTimer.start(5);
    WindowTest::SetUp();
  }
  // Picks `path` in the next file dialog, as the user types it and presses Enter.
  void answerFileDialog() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || chosen.isEmpty()) return;
    // The file is there: the user has said yes to replacing it.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->selectFile(chosen);
    chosen.clear();
    static_cast<QDialog*>(dialog)->accept();
  }

  QString chosen;
  QTimer dialogTimer;
};

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_P(FullDiskSaveTest, SaveAsOnAFullDiskKeepsTheOldFileAndSaysSo) {
  QTemporaryDir dir;
  FullDisk disk(dir.path(), 16);
  if (!disk.mounted()) GTEST_SKIP() << kCannotMount;
  const QString path = dir.filePath("club.json");
  ASSERT_FALSE(
      SaveConfiguration(path, InitialParameters(kRotateServers), {"vorlan_test", "9.9", {}}));
  const QByteArray good = Contents(path);
  ASSERT_TRUE(disk.fill());

  retype("Text1", "BG7ABC-9");
  chosen = path;
  control<QAction>("actionSaveAs")->trigger();
  ASSERT_EQ(messages.size(), 1);
  const ConfigProblem problem{
      ConfigProblem::Kind::CannotSave, path, {}, {}, qt_error_string(ENOSPC)};
  EXPECT_EQ(messages[0], SaveProblemText(problem, GetParam().language()));
  if (english()) {
    EXPECT_EQ(messages[0], path + " was not saved: No space left on device");
  }
  EXPECT_EQ(Contents(path), good);
}

INSTANTIATE_TEST_SUITE_P(Builds, FullDiskSaveTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
