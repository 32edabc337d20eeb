// The menu bar: above an unchanged client area; opening a file changes the window only and sends
// nothing, a bad file changes nothing and says why once; saving; backups of each read-back; the
// port mapping and the program's about box.

#include <QDir>
#include <QFileDialog>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "config/backups.h"
#include "config/config_reader.h"
#include "config/config_writer.h"
#include "link/reply.h"
#include "read_back.h"
#include "ui/window_builder.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

// Backups go to Qt's test folder (~/.qttest), for every window test of this program.
const bool kTestPaths = [] {
  QStandardPaths::setTestModeEnabled(true);
  return true;
}();

class MenuTest : public WindowTest {
 protected:
  void SetUp() override {
    QDir(DefaultBackupFolder()).removeRecursively();
    QObject::connect(&dialogTimer, &QTimer::timeout, [this] { answerFileDialog(); });
    dialogTimer.start(5);
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    QDir(DefaultBackupFolder()).removeRecursively();
  }

  const LanguageData& lang() const { return GetParam().language(); }
  QAction* action(const char* name) const { return control<QAction>(QLatin1String(name)); }

  // Picks `path` in the next file dialog, as the user types it and presses Enter.
  void choose(QAction* item, const QString& path) {
    chosen = path;
    item->trigger();
  }
  void answerFileDialog() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || chosen.isEmpty()) return;
    dialogFilters << dialog->nameFilters();
    dialog->selectFile(chosen);
    chosen.clear();
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as Enter in the dialog
  }
  QString write(const QString& name, const QByteArray& text) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
  }

  QTemporaryDir dir;
  QString chosen;
  QStringList dialogFilters;
  QTimer dialogTimer;
};

TEST_P(MenuTest, TheMenuBarStandsAboveAClientAreaThatKeepsItsLayout) {
  const ui::WindowLayout& layout = GetParam().layout();
  auto* client = control("clientArea");
  auto* bar = window->findChild<QMenuBar*>();
  ASSERT_TRUE(bar);
  EXPECT_EQ(client->size(),
            QSize(ui::ToPixels(layout.clientWidth, 1), ui::ToPixels(layout.clientHeight, 1)));
  EXPECT_EQ(client->y(), bar->height());
  EXPECT_EQ(window->size(), client->size() + QSize(0, bar->height()));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  for (const auto& spec : layout.controls) {
    if (!spec.parent.empty()) continue;
    QWidget* widget = control(Text(spec.name));
    EXPECT_EQ(widget->parentWidget(), client) << spec.name;
    EXPECT_EQ(widget->geometry(), ui::ToPixels(spec.place, 1)) << spec.name;
  }

  const ConfigTexts& t = lang().config;
  const QList<QAction*> menus = bar->actions();
  ASSERT_EQ(menus.size(), 4);
  EXPECT_EQ(menus[0]->text(), Text(t.menuFile));
  EXPECT_EQ(menus[1]->text(), Text(lang().finder.menuPort));
  EXPECT_EQ(menus[2]->text(), Text(lang().check.menuTools));
  EXPECT_EQ(menus[3]->text(), Text(t.menuHelp));
  const std::pair<const char*, std::string_view> items[] = {
      {"actionOpen", t.menuOpen},
      {"actionSaveAs", t.menuSaveAs},
      {"actionOpenBackups", t.menuOpenBackups},
      {"actionExit", t.menuExit},
      {"actionFindTracker", lang().finder.menuFindTracker},
      {"actionCheck", lang().check.menuCheck},
      {"actionPasscode", lang().check.menuPasscode},
      {"actionPortMapping", t.menuPortMapping},
      {"actionAbout", t.menuAbout}};
  for (const auto& [name, text] : items) EXPECT_EQ(action(name)->text(), Text(text)) << name;
  EXPECT_EQ(action("actionOpen")->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(action("actionSaveAs")->shortcut(), QKeySequence("Ctrl+S"));
  if (english()) {
    EXPECT_EQ(action("actionOpen")->text(), "Open configuration...");
    EXPECT_EQ(menus[1]->text(), "&Port");
    EXPECT_EQ(action("actionFindTracker")->text(), "Find the tracker...");
  }
}

TEST_P(MenuTest, OpeningAGoodFileChangesTheWindowOnlyAndSaysHowManyFields) {
  const QString path = write("club.json", R"({"format": "vorlan_setup configuration", "version": 1,
      "parameters": {"Callsign": "BG7ABC-9", "Digipeater": true, "WorkMode": 3,
                     "BeaconText": {"text": "Club", "hex": "0000"}, "Colour": 1}})");
  ParameterSet expected = window->parameters();
  expected.setText(Field::Callsign, "BG7ABC-9");
  expected.setFlag(Field::Digipeater, true);
  expected.setWorkMode('3');
  expected.setText(Field::BeaconText, QStringLiteral("Club") + QChar(0) + QChar(0));

  choose(action("actionOpen"), path);
  EXPECT_EQ(dialogFilters, QStringList{Text(lang().config.fileFilter)});
  EXPECT_EQ(window->parameters(), expected);
  EXPECT_EQ(text("Combo9"), english() ? "CH1or2 TX/RX" : QString::fromUtf8("频道12轮流收发"));
  EXPECT_TRUE(link.log.isEmpty());  // nothing sent, the port not even touched
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], english()
                             ? path +
                                   ": 4 of 44 fields set. Nothing was sent: press 'Write' "
                                   "to write them to the device. Unknown keys, ignored: "
                                   "parameters.Colour."
                             : path + QString::fromUtf8(": 已设置 4 个参数 (共 44 个)。尚未发送: "
                                                        "按“写入配置”才会写入设备。 未知的键, "
                                                        "已忽略: parameters.Colour。"));
}

TEST_P(MenuTest, ABadFileChangesNothingAndSaysWhyInOneMessage) {
  const struct {
    QByteArray file;
    const char* english;  // the message's second part
  } rows[] = {
      {"not json", "It is not JSON: illegal value (at byte 1)."},
      {R"({"format": "vorlan_setup configuration", "version": 2})",
       "It was saved by a newer program (format version 2; this program reads up to version 1)."},
      {R"({"format": "vorlan_setup configuration", "version": 1,
           "parameters": {"Callsign": "BG7ABC-9", "TxDelay": "300"}})",
       "\"TX delay\" (parameters.TxDelay) takes 3 bytes on the line; its field takes at most 2."},
      {R"({"format": "vorlan_setup configuration", "version": 1,
           "parameters": {"Callsign": "BG7ABC-9", "GroupCall": "AB"}})",
       "'Write' would refuse it:\nNothing was written: \"Group Call\" must take exactly 6 bytes on "
       "the line, it takes 2 (a Chinese character takes 2)."},
  };
  const ParameterSet before = window->parameters();
  for (const auto& row : rows) {
    messages.clear();
    const QString path = write("bad.json", row.file);
    choose(action("actionOpen"), path);
    EXPECT_EQ(window->parameters(), before) << row.file.toStdString();
    ASSERT_EQ(messages.size(), 1);
    if (english()) {
      EXPECT_EQ(messages[0], path + " was not opened; the window is unchanged.\n" + row.english);
    } else {
      EXPECT_TRUE(
          messages[0].startsWith(path + QString::fromUtf8(" 未打开, 窗口内容没有改变。\n")));
    }
  }
  EXPECT_TRUE(link.log.isEmpty());
}

TEST_P(MenuTest, SavingWritesWhatTheWindowShows) {
  retype("Text1", "BG7ABC-9");
  retype("Combo9", Text(lang().workModes[4]));
  const QString path = dir.filePath("saved.json");
  choose(action("actionSaveAs"), path);
  EXPECT_TRUE(messages.isEmpty());
  auto opened = OpenConfiguration(path, {});
  ASSERT_TRUE(std::holds_alternative<OpenedConfiguration>(opened));
  EXPECT_EQ(std::get<OpenedConfiguration>(opened).params, window->parameters());

  // A work mode typed by hand has no code: nothing is saved, and the window says so.
  retype("Combo9", "CH9");
  choose(action("actionSaveAs"), dir.filePath("typed.json"));
  EXPECT_FALSE(QFile::exists(dir.filePath("typed.json")));
  ASSERT_EQ(messages.size(), 1);
  if (english()) {
    EXPECT_EQ(
        messages[0],
        "Nothing was saved: \"Work Mode\" must be one of its list entries, not \"CH9\" (a file "
        "keeps the work mode as the device's code).");
  }
}

// A whole read-back: "SIM1-7" and blanks in Callsign, the other fields left as the builder has
// them ("?": enable codes the window cannot show).
QByteArray ReadAndAnswer(RecordingLink& link, ui::MainWindow& window) {
  window.presenter().read();
  const QByteArray reply =
      ReadBack().set("Callsign", Pad("SIM1-7", 12)).set("WorkMode", "2").bytes();
  link.feed(reply + QByteArray(10, ' '));
  link.deliver();
  return reply;
}

TEST_P(MenuTest, EachReadBackIsBackedUpWithoutAWord) {
  BufferSource reply(ReadAndAnswer(link, *window));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], "SIM1-7      " + Text(lang().readCorrect));
  const QStringList backups = QDir(DefaultBackupFolder()).entryList(QDir::Files);
  ASSERT_EQ(backups.size(), 1);
  EXPECT_TRUE(backups[0].endsWith("Z_SIM1-7.json"));
  auto opened = OpenConfiguration(QDir(DefaultBackupFolder()).filePath(backups[0]), {});
  // The backup is the read-back itself, not what the window could show of it.
  const ParameterSet& backup = std::get<OpenedConfiguration>(opened).params;
  EXPECT_EQ(backup, ReadBackParameters(ParseReply(reply).readBack));
  EXPECT_EQ(backup.keptCode(Field::Server1Enable), '?');
  EXPECT_EQ(backup.text(Field::Callsign), window->parameters().text(Field::Callsign));
}

TEST_P(MenuTest, ABackupThatCannotBeSavedIsSaidOnceAfterTheReadMessage) {
  // A file where the folder should be: the folder cannot be made.
  QDir().mkpath(QFileInfo(DefaultBackupFolder()).path());
  QFile blocker(DefaultBackupFolder());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();

  ReadAndAnswer(link, *window);
  ASSERT_EQ(messages.size(), 2);
  EXPECT_EQ(messages[0], "SIM1-7      " + Text(lang().readCorrect));
  EXPECT_TRUE(messages[1].startsWith(
      Text(lang().config.backupNotSaved).arg(DefaultBackupFolder(), QString()).chopped(1)))
      << messages[1].toStdString();
  EXPECT_EQ(window->parameters().text(Field::Callsign), "SIM1-7      ");  // the read stands
  QFile::remove(DefaultBackupFolder());
}

TEST_P(MenuTest, HelpShowsThePortMappingAndTheProgram) {
  qputenv("VORLAN_COM1", "/dev/vorlan-test");
  action("actionPortMapping")->trigger();
  qunsetenv("VORLAN_COM1");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith(Text(lang().config.portMapping) +
                                     "\nCOM1 -> /dev/vorlan-test (VORLAN_COM1)"))
      << messages[0].toStdString();

  action("actionAbout")->trigger();
  ASSERT_EQ(messages.size(), 2);
  EXPECT_EQ(messages[1],
            Text(lang().config.aboutProgram).arg(QCoreApplication::applicationVersion()));
  EXPECT_TRUE(messages[1].contains("GPL-3.0-or-later"));
}

INSTANTIATE_TEST_SUITE_P(Builds, MenuTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
