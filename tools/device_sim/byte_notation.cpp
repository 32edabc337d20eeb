#include "tools/device_sim/byte_notation.h"

#include <cctype>

namespace vorlan::sim {
namespace {

class Reader {
 public:
  explicit Reader(QByteArrayView text) : text_(text) {}

  ParsedBytes all() {
    QByteArray bytes;
    for (skipBlanks(); !atEnd() && peek() != '#'; skipBlanks()) {
      std::optional<QByteArray> token = repeated();
      if (!token) return {std::nullopt, error_};
      bytes += *token;
    }
    return {bytes, {}};
  }

 private:
  bool atEnd() const { return at_ >= text_.size(); }
  char peek() const { return text_[at_]; }
  static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
  void skipBlanks() {
    while (!atEnd() && isBlank(peek())) ++at_;
  }
  std::optional<QByteArray> fail(const QString& what) {
    error_ = QStringLiteral("%1 at column %2").arg(what).arg(at_ + 1);
    return std::nullopt;
  }

  // [count "*"] token
  std::optional<QByteArray> repeated() {
    qsizetype star = at_;
    while (star < text_.size() && std::isdigit(static_cast<unsigned char>(text_[star]))) ++star;
    int count = 1;
    if (star > at_ && star < text_.size() && text_[star] == '*') {
      count = text_.sliced(at_, star - at_).toInt();
      at_ = star + 1;
    }
    std::optional<QByteArray> one = atEnd() ? fail("nothing to repeat") : token();
    return one ? std::optional(one->repeated(count)) : std::nullopt;
  }

  std::optional<QByteArray> token() { return peek() == '"' ? quoted() : hex(); }

  std::optional<QByteArray> hex() {
    const qsizetype start = at_;
    while (!atEnd() && !isBlank(peek()) && peek() != '#') ++at_;
    const QByteArrayView digits = text_.sliced(start, at_ - start);
    if (digits.isEmpty()) return fail("nothing to repeat");
    for (char c : digits) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) {
        at_ = start;
        return fail("not hex digits nor a quoted text");
      }
    }
    if (digits.size() % 2 != 0) {
      at_ = start;
      return fail("an odd number of hex digits");
    }
    return QByteArray::fromHex(digits.toByteArray());
  }

  std::optional<QByteArray> quoted() {
    QByteArray bytes;
    for (++at_; !atEnd(); ++at_) {
      const char c = peek();
      if (c == '"') {
        ++at_;
        return bytes;
      }
      if (c != '\\') {
        bytes += c;
        continue;
      }
      if (++at_ >= text_.size()) break;
      if (peek() == '"' || peek() == '\\') {
        bytes += peek();
      } else if (peek() == 'x' && at_ + 2 < text_.size() &&
                 std::isxdigit(static_cast<unsigned char>(text_[at_ + 1])) &&
                 std::isxdigit(static_cast<unsigned char>(text_[at_ + 2]))) {
        bytes += QByteArray::fromHex(text_.sliced(at_ + 1, 2).toByteArray());
        at_ += 2;
      } else {
        return fail("an escape other than \\\", \\\\ or \\xHH");
      }
    }
    return fail("no closing quote");
  }

  QByteArrayView text_;
  qsizetype at_ = 0;
  QString error_;
};

}  // namespace

ParsedBytes ParseByteNotation(QByteArrayView text) {
  return Reader(text).all();
}

}  // namespace vorlan::sim
