// The window's model without widgets: a work mode typed by hand that is none of the list holds back
// Write until a file or a read sets the field; a file that leaves the field alone keeps it.

#include <gtest/gtest.h>

#include "answer.h"
#include "config/config_reader.h"
#include "fake_view.h"
#include "read_back.h"
#include "recording_link.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"
#include "ui/window_presenter.h"

namespace vorlan::test {
namespace {

constexpr int kWorkModeColumn = 59;

OpenedConfiguration Opened(const QByteArray& parameters, const ParameterSet& base) {
  const auto opened = ReadConfiguration(
      R"({"format": "vorlan_setup configuration", "version": 1, "parameters": )" + parameters + "}",
      "t.json", base, FormJudging::BySender);
  return std::get<OpenedConfiguration>(opened);
}

TEST(WindowModel, AnUnlistedWorkModeHoldsBackWriteUntilTheFieldIsSet) {
  const struct {
    const char* how;
    QByteArray file;  // the parameters a file sets; empty for a read
    char written;     // the work mode Write sends then; 0 for none sent
  } rows[] = {
      {"a file without the work mode", R"({"Callsign": "BG7ABC-9"})", 0},
      {"a file with it", R"({"WorkMode": 3})", '3'},
      {"a read", "", '2'},
  };
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    for (const auto& row : rows) {
      SCOPED_TRACE(row.how);
      RecordingLink link;
      link.open = true;
      FakeView view(*lang);
      ui::WindowPresenter presenter(view, link, *lang);
      presenter.chooseWorkMode("CH9");
      if (row.file.isEmpty()) {
        ASSERT_TRUE(Answer(presenter, link, SoundReadBack({{"WorkMode", "2"}})));
      } else {
        presenter.takeOpened(Opened(row.file, presenter.values()));
      }
      view.messages.clear();
      link.sent.clear();
      presenter.write();
      EXPECT_EQ(link.sent.size() > kWorkModeColumn ? link.sent[kWorkModeColumn - 1] : 0,
                row.written);
      EXPECT_EQ(view.messages.size(), row.written ? 0 : 1);
    }
  }
}

}  // namespace
}  // namespace vorlan::test
