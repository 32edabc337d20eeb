// The window when the device answers with fewer bytes than awaited: a whole reply of another kind
// gets its own message once the answer is late, bytes that are no reply the reception error; the
// threshold goes, so nothing of it is taken for the next request's answer.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "session.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan::test {
namespace {

TEST(WindowReplyKind, AShortReplyOfAnotherKindOrNoReplyIsSaidWhenTheAnswerIsLate) {
  using Action = void (ui::WindowPresenter::*)();
  const struct {
    Action action;
    QByteArray script;
    QString english, chinese;
  } rows[] = {
      {&ui::WindowPresenter::read, "expect read\nsend \"$5\" 3*\" \"\n",
       "The device on COM1 answered with a reply of another kind (\"$5\") than the request "
       "awaits: it may be busy, or another program may be talking to it. Press the button again.",
       "COM1 的应答类型与请求不符 (\"$5\"): 设备可能正忙, 或有其他程序正在与它通信。"
       "请再按一次按钮。"},
      {&ui::WindowPresenter::about, "expect about\nsend \"$4\" 3*\" \"\n",
       "The device on COM1 answered with a reply of another kind (\"$4\") than the request "
       "awaits: it may be busy, or another program may be talking to it. Press the button again.",
       "COM1 的应答类型与请求不符 (\"$4\"): 设备可能正忙, 或有其他程序正在与它通信。"
       "请再按一次按钮。"},
      {&ui::WindowPresenter::read, "expect read\nsend \"OK\"\n",
       "Data reception error, please check the cabling and hardware is functioning properly or "
       "press 'write' and 'read' button again!!!",
       "数据接收错误,请检查连线及硬件是否正常工作或再次按'写入'及'读出'键!!!"},
  };
  for (const auto& row : rows) {
    for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
      SCOPED_TRACE(row.script.toStdString());
      QTemporaryDir dir;
      QFile script(dir.filePath("device.script"));
      ASSERT_TRUE(script.open(QIODevice::WriteOnly) && script.write(row.script) > 0);
      script.close();
      Session s(*lang, {"--fast", "--script", script.fileName()});
      s.actions.session().setTimeoutMs(300);
      ASSERT_TRUE(s.open());

      (s.actions.*row.action)();

      ASSERT_TRUE(s.waitForMessages(1));
      EXPECT_EQ(s.view.messages,
                QStringList{lang == &EnglishLanguage() ? row.english : row.chinese});
      EXPECT_EQ(s.events, 0);  // the threshold was never reached
      EXPECT_EQ(s.view.shown, 0);
      EXPECT_FALSE(s.actions.session().busy());  // nothing is awaited any more
    }
  }
}

}  // namespace
}  // namespace vorlan::test
