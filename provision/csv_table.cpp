#include "provision/csv_table.h"

#include <QStringDecoder>
#include <optional>

namespace vorlan {
namespace {

// The text, or the first line that is no UTF-8.
std::variant<QString, CsvProblem> DecodeUtf8(QByteArray bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  int line = 1;
  for (const QByteArray& raw : bytes.split('\n')) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(decoder(raw));
    if (decoder.hasError()) return CsvProblem{CsvProblem::Kind::NotUtf8, line};
    ++line;
  }
  return QString::fromUtf8(bytes);
}

// Reads records one by one; each knows the line it starts on.
class RecordReader {
 public:
  explicit RecordReader(const QString& text) : text_(text) {}

  bool atEnd() const { return pos_ >= text_.size(); }
  int line() const { return line_; }

  // The next record's fields, or what is wrong with it. A blank line gives an empty list.
  std::variant<QStringList, CsvProblem> next() {
    QStringList fields;
    if (atRecordEnd()) {
      skipRecordEnd();
      return fields;
    }
    while (true) {
      auto field = text_[pos_] == '"' ? quoted() : unquoted();
      if (auto* problem = std::get_if<CsvProblem>(&field)) return *problem;
      fields << std::get<QString>(field);
      if (atRecordEnd()) break;
      ++pos_;  // the comma
    }
    skipRecordEnd();
    return fields;
  }

 private:
  bool atRecordEnd() const { return atEnd() || text_[pos_] == '\n' || text_[pos_] == '\r'; }
  void skipRecordEnd() {
    if (!atEnd() && text_[pos_] == '\r') ++pos_;
    if (!atEnd() && text_[pos_] == '\n') ++pos_;
    ++line_;
  }

  std::variant<QString, CsvProblem> unquoted() {
    const qsizetype start = pos_;
    while (!atRecordEnd() && text_[pos_] != ',') {
      if (text_[pos_] == '"') return CsvProblem{CsvProblem::Kind::QuoteInField, line_};
      ++pos_;
    }
    return text_.mid(start, pos_ - start);
  }

  std::variant<QString, CsvProblem> quoted() {
    const int startLine = line_;
    QString field;
    ++pos_;  // the opening quote
    while (true) {
      if (atEnd()) return CsvProblem{CsvProblem::Kind::UnclosedQuote, startLine};
      const QChar c = text_[pos_++];
      if (c == '"') {
        if (!atEnd() && text_[pos_] == '"') {
          field += '"';
          ++pos_;
          continue;
        }
        break;
      }
      if (c == '\n') ++line_;
      field += c;
    }
    if (!atRecordEnd() && text_[pos_] != ',') {
      return CsvProblem{CsvProblem::Kind::TextAfterQuote, line_};
    }
    return field;
  }

  const QString& text_;
  qsizetype pos_ = 0;
  int line_ = 1;
};

}  // namespace

std::variant<CsvTable, CsvProblem> ReadCsv(const QByteArray& bytes) {
  const auto decoded = DecodeUtf8(bytes);
  if (auto* problem = std::get_if<CsvProblem>(&decoded)) return *problem;
  const QString& text = std::get<QString>(decoded);

  CsvTable table;
  RecordReader reader(text);
  bool haveHeader = false;
  while (!reader.atEnd()) {
    const int line = reader.line();
    auto record = reader.next();
    if (auto* problem = std::get_if<CsvProblem>(&record)) return *problem;
    QStringList& fields = std::get<QStringList>(record);
    if (fields.isEmpty()) continue;  // a blank line
    if (!haveHeader) {
      table.header = fields;
      haveHeader = true;
      continue;
    }
    if (fields.size() != table.header.size()) {
      return CsvProblem{CsvProblem::Kind::WrongFieldCount, line, static_cast<int>(fields.size()),
                        static_cast<int>(table.header.size())};
    }
    table.rows << fields;
    table.lines << line;
  }
  if (!haveHeader) return CsvProblem{CsvProblem::Kind::NoHeader};
  return table;
}

QByteArray WriteCsv(const QStringList& header, const QList<QStringList>& rows) {
  auto record = [](const QStringList& fields) {
    QStringList written;
    for (QString field : fields) {
      if (field.contains(',') || field.contains('"') || field.contains('\n') ||
          field.contains('\r')) {
        field = '"' + field.replace('"', QLatin1String("\"\"")) + '"';
      }
      written << field;
    }
    return written.join(',').toUtf8() + "\r\n";
  };
  QByteArray text = "\xEF\xBB\xBF";
  text += record(header);
  for (const QStringList& row : rows) text += record(row);
  return text;
}

}  // namespace vorlan
