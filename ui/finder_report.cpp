#include "ui/finder_report.h"

#include "link/com_ports.h"
#include "link/device_text.h"
#include "link/protocol.h"
#include "params/presets.h"
#include "ui/messages.h"

namespace vorlan::ui {
namespace {

constexpr int kHexShown = 16;  // of an answer that is not the tracker's

QString Seconds(int ms) {
  return QString::number(ms / 1000.0, 'f', 1);
}

QString AboutText(const ProbeResult& result) {
  return DecodeDeviceText(result.aboutText).trimmed();
}

QString AskedLine(const ProbeResult& result, int waitMs, const LanguageData& lang) {
  using Outcome = ProbeResult::Outcome;
  const FinderTexts& t = lang.finder;
  const QString port = PortLineText(result.port, lang);
  switch (result.outcome) {
    case Outcome::Answered:
      return Text(t.resultAnswered).arg(port, AboutText(result));
    case Outcome::Short:
      return Text(t.resultShort)
          .arg(port, QString::number(result.aboutText.size() + 2),
               QString::number(kAboutReplyLength), Seconds(waitMs), AboutText(result));
    case Outcome::Silent:
      return Text(t.resultSilent).arg(port, Seconds(waitMs));
    case Outcome::Other: {
      QString hex = QString::fromLatin1(result.received.left(kHexShown).toHex(' '));
      if (result.received.size() > kHexShown) hex += QStringLiteral(" ...");
      return Text(t.resultOther).arg(port, hex);
    }
    default:
      return {};
  }
}

QString ResultLine(const ProbeResult& result, int waitMs, const LanguageData& lang) {
  using Outcome = ProbeResult::Outcome;
  const FinderTexts& t = lang.finder;
  const QString port = PortLineText(result.port, lang);
  switch (result.outcome) {
    case Outcome::Answered:
    case Outcome::Short:
    case Outcome::Silent:
    case Outcome::Other:
      return AskedLine(result, waitMs, lang) +
             (result.othersUnseen ? Text(t.othersUnseen) : QString());
    case Outcome::Held:
      return Text(t.resultHeld).arg(port, HolderList(result.holders, lang.portFailures));
    case Outcome::NotOpened:
      return Text(t.resultNotOpened)
          .arg(port, result.failure ? FailureText(*result.failure, lang) : QString());
  }
  return {};
}

QString Report(std::string_view heading, const QList<ProbeResult>& results, int waitMs,
               const LanguageData& lang) {
  QStringList lines = {Text(heading)};
  for (const ProbeResult& result : results) lines << ResultLine(result, waitMs, lang);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

QString PortLineText(const MappedPort& port, const LanguageData& lang) {
  return PortLine(port, Text(lang.usbSerial));
}

FinderOutcome AskedOutcome(const QList<ProbeResult>& results, int waitMs,
                           const LanguageData& lang) {
  const FinderTexts& t = lang.finder;
  if (results.isEmpty()) return {std::nullopt, Text(t.nothingToAsk)};
  const QList<ProbeResult> answering = Answering(results);
  if (answering.size() == 1) {
    const ProbeResult& tracker = answering.first();
    return {tracker.port, Text(t.foundAnswering)
                              .arg(PortLineText(tracker.port, lang), AboutText(tracker),
                                   PortText(tracker.port.number))};
  }
  return {std::nullopt,
          Report(answering.isEmpty() ? t.noneAnswered : t.severalAnswered, results, waitMs, lang)};
}

FinderOutcome PluggedOutcome(const std::optional<MappedPort>& appeared, int waitMs,
                             const LanguageData& lang) {
  const FinderTexts& t = lang.finder;
  if (!appeared) return {std::nullopt, Text(t.noneAppeared).arg(waitMs / 1000)};
  return {appeared,
          Text(t.foundPlugged).arg(PortLineText(*appeared, lang), PortText(appeared->number))};
}

}  // namespace vorlan::ui
