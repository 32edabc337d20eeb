// A device that holds work mode "7" and Server1Enable "9" over a real pseudo-terminal: once the
// user sets both fields to what the window shows, the write frame carries the user's "1" for
// each, and the device takes it.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "read_back.h"
#include "session.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"
#include "ui/work_modes.h"

namespace vorlan::test {
namespace {

constexpr int kWorkModeColumn = 59, kServer1Column = 64;

// The device answers the read with the two codes, and the write with "$4".
QString CodesScript(const QTemporaryDir& dir) {
  const QString path = dir.filePath("codes.script");
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  const QByteArray readBack =
      SoundReadBack({{"Callsign", "SIM1-7"}, {"WorkMode", "7"}, {"Server1Enable", "9"}});
  file.write("expect read\nsend " + readBack.toHex(' ') + "\nexpect write\nsend \"$4\" 3*\" \"\n");
  return path;
}

TEST(ReplacedCodesExchange, TheUsersSettingGoesToTheDeviceInBothBuilds) {
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    QTemporaryDir dir;
    Session s(*lang, {"--fast", "--script", CodesScript(dir)});
    ASSERT_TRUE(s.open());
    s.actions.read();
    ASSERT_TRUE(s.waitForMessages(1));

    // What the controls report: the entry the box shows picked, the box clicked twice.
    s.actions.chooseWorkMode(*WorkModeText(kInitialWorkMode, *lang));
    s.actions.tick(Field::Server1Enable, false);
    s.actions.tick(Field::Server1Enable, true);
    s.actions.write();
    ASSERT_TRUE(s.waitForMessages(2));
    const QList<QByteArray> writes = s.sim.received("write");
    ASSERT_EQ(writes.size(), 1);
    EXPECT_EQ(QByteArray() + writes[0][kWorkModeColumn - 1] + writes[0][kServer1Column - 1], "11");
    EXPECT_EQ(s.view.messages[1], "SIM1-7      " + Text(lang->writeCorrect));
  }
}

}  // namespace
}  // namespace vorlan::test
