// The device table as spreadsheets write it: a byte-order mark, CRLF, quoted fields with commas,
// line breaks and doubled quotes, blank lines; and each way a table can be broken, with its line.
#include <gtest/gtest.h>

#include "provision/csv_table.h"

namespace vorlan::test {
namespace {

TEST(CsvTable, ReadsWhatSpreadsheetsWrite) {
  const struct {
    const char* name;
    QByteArray text;
    QStringList header;
    QList<QStringList> rows;
    QList<int> lines;
  } rows[] = {
      {"plain, LF",
       "Callsign,BeaconText\nBG7ABC-9,hello\nBG7ABD-9,\n",
       {"Callsign", "BeaconText"},
       {{"BG7ABC-9", "hello"}, {"BG7ABD-9", ""}},
       {2, 3}},
      {"BOM, CRLF, no end of line",
       "\xEF\xBB\xBF"
       "Callsign,port\r\nBG7ABC-9,COM3",
       {"Callsign", "port"},
       {{"BG7ABC-9", "COM3"}},
       {2}},
      {"quotes",
       "Callsign,BeaconText\r\nBG7ABC-9,\"a, \"\"b\"\"\r\nc\"\r\n\r\nBG7ABD-9,\"\"\r\n",
       {"Callsign", "BeaconText"},
       {{"BG7ABC-9", "a, \"b\"\r\nc"}, {"BG7ABD-9", ""}},
       {2, 5}},
      {"UTF-8",
       "Callsign,BeaconText\nBG7ABC-9,频道\n",
       {"Callsign", "BeaconText"},
       {{"BG7ABC-9", "频道"}},
       {2}},
      {"header only", "Callsign\n\n", {"Callsign"}, {}, {}},
  };
  for (const auto& row : rows) {
    const auto read = ReadCsv(row.text);
    ASSERT_TRUE(std::holds_alternative<CsvTable>(read)) << row.name;
    const CsvTable& table = std::get<CsvTable>(read);
    EXPECT_EQ(table.header, row.header) << row.name;
    EXPECT_EQ(table.rows, row.rows) << row.name;
    EXPECT_EQ(table.lines, row.lines) << row.name;
  }
}

TEST(CsvTable, SaysWhatIsWrongAndWhere) {
  using Kind = CsvProblem::Kind;
  const struct {
    QByteArray text;
    CsvProblem problem;
  } rows[] = {
      {"", {Kind::NoHeader}},
      {"\n\r\n", {Kind::NoHeader}},
      {"Callsign\nBG7\xff\n", {Kind::NotUtf8, 2}},
      {"Callsign,Path\nBG7ABC-9,\"WIDE1-1\nBG7ABD-9,x\n", {Kind::UnclosedQuote, 2}},
      {"Callsign,Path\nBG7ABC-9,\"WIDE\"1\n", {Kind::TextAfterQuote, 2}},
      {"Callsign,Path\nBG7ABC-9,WI\"DE\n", {Kind::QuoteInField, 2}},
      {"Callsign,Path\nBG7ABC-9,x\n\nBG7ABD-9\n", {Kind::WrongFieldCount, 4, 1, 2}},
      {"Callsign,Path\nBG7ABC-9,x,y\n", {Kind::WrongFieldCount, 2, 3, 2}},
  };
  for (const auto& row : rows) {
    const auto read = ReadCsv(row.text);
    ASSERT_TRUE(std::holds_alternative<CsvProblem>(read)) << row.text.toStdString();
    EXPECT_EQ(std::get<CsvProblem>(read), row.problem) << row.text.toStdString();
  }
}

}  // namespace
}  // namespace vorlan::test
