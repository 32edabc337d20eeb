#include "cli/terminal_text.h"

namespace vorlan::cli {
namespace {

QString Hex(char16_t code, int digits) {
  return QStringLiteral("%1").arg(static_cast<unsigned>(code), digits, 16, QChar('0'));
}

// The escape of one UTF-16 unit that is no printable character, or empty when it is one.
QString Escape(char16_t unit, bool lone) {
  switch (unit) {
    case u'\\':
      return QStringLiteral("\\\\");
    case u'\n':
      return QStringLiteral("\\n");
    case u'\r':
      return QStringLiteral("\\r");
    case u'\t':
      return QStringLiteral("\\t");
    case 0x1B:
      return QStringLiteral("\\e");
    default:
      break;
  }
  if (unit < 0x20 || unit == 0x7F) return QStringLiteral("\\x") + Hex(unit, 2);
  // A byte that is no text stands as U+DC80..U+DCFF: shown as the byte it is.
  if (lone && unit >= 0xDC80 && unit <= 0xDCFF)
    return QStringLiteral("\\x") + Hex(unit - 0xDC00, 2);
  if ((unit >= 0x80 && unit < 0xA0) || lone) return QStringLiteral("\\u") + Hex(unit, 4);
  return {};
}

}  // namespace

QString TerminalText(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      shown += c;
      shown += text[++i];
      continue;
    }
    const QString escape = Escape(c.unicode(), c.isSurrogate());
    if (escape.isEmpty()) {
      shown += c;
    } else {
      shown += escape;
    }
  }
  return shown;
}

}  // namespace vorlan::cli
