#include "tools/device_sim/write_frame_parser.h"

#include <QList>

#include "tools/device_sim/line_texts.h"

namespace vorlan::sim {
namespace {

QString Quoted(const QByteArray& bytes) {
  return '"' + QString::fromLatin1(bytes) + '"';
}

ParsedFrame Refused(const QString& problem) {
  return {std::nullopt, problem};
}

// Why the head field's bytes are not what the device takes; nullopt when they are.
std::optional<QString> CheckHeadField(const HeadField& f, const QByteArray& bytes) {
  if (!f.mark.empty() && bytes != Bytes(f.mark)) {
    return QStringLiteral("column %1 holds %2, not the mark \"%3\"")
        .arg(f.column)
        .arg(Quoted(bytes), QString::fromLatin1(Bytes(f.mark)));
  }
  if (!f.allowed.empty() && !Bytes(f.allowed).contains(bytes[0])) {
    return QStringLiteral("%1 (column %2) holds %3")
        .arg(QString::fromLatin1(Bytes(f.name)))
        .arg(f.column)
        .arg(Quoted(bytes));
  }
  return std::nullopt;
}

std::optional<QString> CheckTailField(int number, const TailField& f, const QByteArray& bytes) {
  if (!f.mark.empty() && bytes != Bytes(f.mark)) {
    return QStringLiteral("tail field %1 holds %2, not the mark \"%3\"")
        .arg(number)
        .arg(Quoted(bytes), QString::fromLatin1(Bytes(f.mark)));
  }
  if (bytes.size() > f.width) {
    return QStringLiteral("%1 has %2 bytes, the device stores %3")
        .arg(QString::fromLatin1(Bytes(f.name)))
        .arg(bytes.size())
        .arg(f.width);
  }
  return std::nullopt;
}

}  // namespace

ParsedFrame ParseWriteFrame(const QByteArray& frame) {
  if (!frame.startsWith(Bytes(kWriteLead)) || !frame.endsWith(kFrameEnd)) {
    return Refused(QStringLiteral("no \"$0\" lead or no \"#\" end"));
  }
  const qsizetype headEnd = frame.indexOf(kHeadEnd);
  if (headEnd < 0) return Refused(QStringLiteral("no \"&\" ends the head"));
  if (headEnd + 1 != kHeadEndColumn) {
    return Refused(QStringLiteral("lead and head are %1 columns, not %2")
                       .arg(headEnd)
                       .arg(kHeadEndColumn - 1));
  }
  // Every tail field is closed by "|", so splitting leaves one empty piece after the last.
  const QList<QByteArray> tail = frame.mid(headEnd + 1).chopped(1).split(kFieldEnd);
  constexpr qsizetype kTailCount = std::size(kTailFields);
  if (tail.size() != kTailCount + 1 || !tail.last().isEmpty()) {
    return Refused(
        QStringLiteral("the tail is not %1 fields each closed by \"|\"").arg(kTailCount));
  }

  Configuration stored;
  for (const auto& f : kHeadFields) {
    const QByteArray bytes = frame.mid(f.column - 1, f.width);
    if (auto problem = CheckHeadField(f, bytes)) return Refused(*problem);
    if (!f.name.empty()) stored[std::string(f.name)] = bytes;
  }
  for (qsizetype i = 0; i < kTailCount; ++i) {
    const TailField& f = kTailFields[i];
    if (auto problem = CheckTailField(int(i) + 1, f, tail[i])) return Refused(*problem);
    if (!f.name.empty()) stored[std::string(f.name)] = tail[i];
  }
  return {stored, {}};
}

}  // namespace vorlan::sim
