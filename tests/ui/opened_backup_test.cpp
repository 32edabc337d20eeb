// A backup opened in the window and written: the device's values as they came, a value edited by
// hand judged by Write, a value whose bytes would cut the frame opened and refused by Write alone.

#include <QFile>
#include <QTemporaryDir>

#include "config/config_writer.h"
#include "link/device_text.h"
#include "params/presets.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

class OpenedBackupTest : public WindowTest {
 protected:
  // A backup of a device that holds a TX delay " 5", which no user may type, and `path` as Path.
  QString backup(const QString& name, const QString& path, const QString& txDelay = " 5") {
    ParameterSet device = InitialParameters(GetParam().language().servers);
    device.setText(Field::TxDelay, " 5");
    device.setText(Field::Path, path);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QString text = QString::fromUtf8(
        ConfigurationText(device, {"test", "1", now, ReadOrigin{"COM1", "/dev/ttyUSB0", now}}));
    text.replace("\"TxDelay\": \" 5\"", "\"TxDelay\": \"" + txDelay + '"');
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
    return file.fileName();
  }
  // Opens the file and presses Write: what went on the line.
  QByteArray openAndWrite(const QString& path) {
    messages.clear();
    link.sent.clear();
    window->configActions().open(path);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.value(0).startsWith(path + ": ")) << messages.value(0).toStdString();
    window->presenter().write();
    return link.sent;
  }

  QTemporaryDir dir;
};

TEST_P(OpenedBackupTest, WriteJudgesWhatWasEditedAndSendsTheRestAsItCame) {
  link.open = true;
  EXPECT_TRUE(openAndWrite(backup("as-read.json", "WIDE1-1")).contains("40 52300.00N"));

  EXPECT_TRUE(openAndWrite(backup("edited.json", "WIDE1-1", "3O")).isEmpty());
  ASSERT_EQ(messages.size(), 2);
  EXPECT_TRUE(messages[1].contains(english() ? "\"TX delay\" must be digits 0-9 only"
                                             : "“发射延时”必须是只含数字 0-9"))
      << messages[1].toStdString();

  // "fe 7c" is one character whose second byte is "|".
  const QString cutting = DecodeDeviceText("\xfe\x7c");
  EXPECT_TRUE(openAndWrite(backup("path.json", cutting)).isEmpty());
  ASSERT_EQ(messages.size(), 2);
  if (english()) {
    EXPECT_EQ(messages[1],
              "Nothing was sent: \"Path\" must not contain the character \"" + cutting + "\".");
  }
}

INSTANTIATE_TEST_SUITE_P(Builds, OpenedBackupTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
