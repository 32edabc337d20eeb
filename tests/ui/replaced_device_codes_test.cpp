// A device may hold a work mode or an enable code the window cannot show ("7", "9"): it goes back
// as it came while the user leaves the field alone. Once the user sets the field, by any control
// or by a file, the user's value replaces it in what Write sends and in what Save as keeps.

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "read_back.h"
#include "ui/window_controls.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

constexpr int kWorkModeColumn = 59, kServer1Column = 64;

class ReplacedDeviceCodesTest : public WindowTest {
 public:  // each way of setting the fields is a row of the test
  // A read whose answer holds work mode "7" and Server1Enable "9".
  void readDeviceCodes() {
    link.open = true;
    click("Command7");
    link.feed(SoundReadBack({{"WorkMode", "7"}, {"Server1Enable", "9"}}));
    link.deliver();
    ASSERT_EQ(messages.size(), 1);
    messages.clear();
  }

  // The work-mode and Server1Enable bytes of the frame Write sends.
  QByteArray writtenCodes() {
    link.sent.clear();
    click("Command6");
    if (link.sent.size() < kServer1Column) return link.sent;
    return QByteArray() + link.sent[kWorkModeColumn - 1] + link.sent[kServer1Column - 1];
  }

  // The two values as Save as keeps them.
  QByteArray savedCodes() {
    const QString path = dir.filePath("saved.json");
    window->configActions().saveAs(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "not saved";
    const QJsonObject params = QJsonDocument::fromJson(file.readAll())["parameters"].toObject();
    return QJsonDocument(QJsonObject{{"WorkMode", params["WorkMode"]},
                                     {"Server1Enable", params["Server1Enable"]}})
        .toJson(QJsonDocument::Compact);
  }

  // Opens the work-mode list and picks the entry the box already shows.
  void pickShownWorkMode() {
    const QString name = Text(ui::ControlOf(Field::WorkMode).box);
    pick(control<QComboBox>(name)->currentIndex(), name);
  }

  QCheckBox* server1Box() const {
    return control<QCheckBox>(Text(ui::ControlOf(Field::Server1Enable).box));
  }

  void openFileSettingBoth() {
    const QString path = dir.filePath("both.json");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "vorlan_setup configuration", "version": 1,
                   "parameters": {"WorkMode": 1, "Server1Enable": true}})");
    file.close();
    window->configActions().open(path);
    ASSERT_EQ(messages.size(), 1);
    messages.clear();
  }

  void untickAndTick() {
    ASSERT_TRUE(server1Box()->isChecked());  // the tick shown before the device's code came
    server1Box()->click();
    server1Box()->click();
  }

  QTemporaryDir dir;
};

TEST_P(ReplacedDeviceCodesTest, TheUsersSettingReplacesTheDevicesCode) {
  const struct {
    const char* how;
    void (ReplacedDeviceCodesTest::*set)();
    QByteArray written, saved;
  } rows[] = {
      {"a file sets both", &ReplacedDeviceCodesTest::openFileSettingBoth, "11",
       R"({"Server1Enable":true,"WorkMode":1})"},
      {"the work-mode entry shown picked", &ReplacedDeviceCodesTest::pickShownWorkMode, "19",
       R"({"Server1Enable":"9","WorkMode":1})"},
      {"Server1Enable unticked and ticked", &ReplacedDeviceCodesTest::untickAndTick, "71",
       R"({"Server1Enable":true,"WorkMode":"7"})"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.how);
    readDeviceCodes();
    EXPECT_EQ(writtenCodes(), "79");  // left alone: the device's own codes go back
    (this->*row.set)();
    EXPECT_EQ(writtenCodes(), row.written);
    EXPECT_EQ(savedCodes(), row.saved);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Builds, ReplacedDeviceCodesTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
