#pragma once
// A table in CSV, as spreadsheets write it: UTF-8 with or without a byte-order mark, fields
// separated by commas, records by CRLF or LF, a field in double quotes holding commas, line breaks
// and doubled quotes ("" for one). The first record is the header.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <variant>

namespace vorlan {

struct CsvTable {
  QStringList header;
  QList<QStringList> rows;  // each as long as the header
  QList<int> lines;         // the line each row starts on, counting from 1
};

struct CsvProblem {
  enum class Kind {
    NotUtf8,          // a byte sequence that is no UTF-8; `line` where it is
    NoHeader,         // nothing, or only blank lines
    UnclosedQuote,    // a quoted field runs to the end of the text; `line` where it starts
    TextAfterQuote,   // a quoted field is followed by more than a comma or the record's end
    QuoteInField,     // a double quote inside an unquoted field
    WrongFieldCount,  // a record with `found` fields, the header `expected`
  };
  Kind kind;
  int line = 0;
  int found = 0;
  int expected = 0;

  bool operator==(const CsvProblem&) const = default;
};

// Blank lines (between records, or at the end) are no records.
std::variant<CsvTable, CsvProblem> ReadCsv(const QByteArray& text);

// A table as spreadsheets read it: UTF-8 with a byte-order mark, CRLF, a field quoted when it holds
// a comma, a double quote or a line break.
QByteArray WriteCsv(const QStringList& header, const QList<QStringList>& rows);

}  // namespace vorlan
