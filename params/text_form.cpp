#include "params/text_form.h"

#include <QRegularExpression>

namespace vorlan {
namespace {

// Whether the captured degrees, minutes and hundredths of a minute name a place: minutes below 60,
// and nothing beyond `maxDegrees` (the pole, the date line).
bool WithinDegrees(const QRegularExpressionMatch& match, int maxDegrees) {
  const int degrees = match.captured(1).toInt();
  const int minutes = match.captured(2).toInt();
  const int hundredths = match.captured(3).toInt();
  if (minutes >= 60) return false;
  return degrees < maxDegrees || (degrees == maxDegrees && minutes == 0 && hundredths == 0);
}

bool Matches(const QString& pattern, const QString& text, int maxDegrees = 0) {
  const QRegularExpression expression(pattern);
  const QRegularExpressionMatch match = expression.match(text);
  if (!match.hasMatch()) return false;
  return maxDegrees == 0 || WithinDegrees(match, maxDegrees);
}

}  // namespace

bool HasForm(TextForm form, const QString& text) {
  // [0-9], not \d: a full-width or Arabic-Indic digit is no digit to the device.
  switch (form) {
    case TextForm::Free:
      return true;
    case TextForm::Number:
      return Matches(QStringLiteral("^[0-9]+$"), text);
    case TextForm::Latitude:
      return Matches(QStringLiteral("^([0-9]{2})([0-9]{2})\\.([0-9]{2})[NS]$"), text, 90);
    case TextForm::Longitude:
      return Matches(QStringLiteral("^([0-9]{3})([0-9]{2})\\.([0-9]{2})[EW]$"), text, 180);
    case TextForm::Frequency:
      return Matches(QStringLiteral("^[0-9]{3}\\.[0-9]{3}$"), text);
  }
  return false;
}

}  // namespace vorlan
