// Typing into a full entry box adds nothing.

#include "window_fixture.h"

namespace vorlan::test {
namespace {

using EntryLimitTest = WindowTest;

TEST_P(EntryLimitTest, TypingStopsAtTheFieldsLimit) {
  struct Row {
    const char* entry;
    QString typed;
    QString kept;
  };
  const Row rows[] = {
      {"Text9", "/>x", "/"},                       // SymbolCode: one character
      {"Text16", "123", "12"},                     // TxDelay: two
      {"Text1", "BH4ABC-12XYZW", "BH4ABC-12XYZ"},  // Callsign: twelve
      {"Text1", "呼号呼号呼号呼号呼号呼号呼号", "呼号呼号呼号呼号呼号呼号"},
      {"Text8", "abcdefgh", "abcdef"},                   // HisPassword: six
      {"Text12", QString(40, 'h'), QString(32, 'h')},    // Server1: 32
      {"Text27", QString(160, 'm'), QString(150, 'm')},  // Message: 150
  };
  for (const auto& row : rows) {
    retype(row.entry, row.typed);
    EXPECT_EQ(control<QLineEdit>(row.entry)->text(), row.kept) << row.entry;
  }
  // Text that does not fit is not masked either: every box shows what it holds.
  for (QLineEdit* entry : window->findChildren<QLineEdit*>()) {
    EXPECT_EQ(entry->echoMode(), QLineEdit::Normal) << entry->objectName().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Builds, EntryLimitTest, testing::Values(kEnglish, kChinese), BuildName);

}  // namespace
}  // namespace vorlan::test
