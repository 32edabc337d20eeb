#include "link/write_frame.h"

#include "link/device_text.h"
#include "link/protocol.h"

namespace vorlan {
namespace {

// Characters that end a head, a tail field or the frame: inside a field the device would split it.
constexpr std::string_view kFrameDelimiters = "&|#";

QByteArray RenderField(const WriteFrameField& f, const ParameterSet& p, const BuildValues& build) {
  if (f.item != WriteItem::Fixed) {
    if (const auto code = p.keptCode(f.field)) return QByteArray(1, *code);
  }
  switch (f.item) {
    case WriteItem::Fixed:
      return Bytes(f.fixed);
    case WriteItem::Text:
      return EncodeDeviceText(p.text(f.field));
    case WriteItem::WorkMode:
      return WorkModeCode(p.text(Field::WorkMode), build).toLatin1();
    case WriteItem::Flag:
      return QByteArray(1, p.flag(f.field) ? f.onChar : '0');
  }
  return {};
}

enum class Section { Head, Tail };

std::optional<Refusal> CheckField(const WriteFrameField& f, Section section, const ParameterSet& p,
                                  const BuildValues& build) {
  if (f.item == WriteItem::Fixed) return std::nullopt;
  if (const auto code = p.keptCode(f.field)) {
    // The device's own code goes back as it came, unless it would cut the frame.
    if (kFrameDelimiters.find(*code) == std::string_view::npos) return std::nullopt;
    return Refusal{f.field, Refusal::Rule::Delimiter, 0, 0, QString(QChar::fromLatin1(*code))};
  }
  if (f.item == WriteItem::WorkMode && WorkModeCode(p.text(Field::WorkMode), build).isEmpty()) {
    return Refusal{f.field, Refusal::Rule::NoWorkModeCode, 0, 0, p.text(Field::WorkMode)};
  }
  if (f.item != WriteItem::Text) return std::nullopt;

  const QString& text = p.text(f.field);
  if (auto bad = CharacterEncodingAny(text, kFrameDelimiters)) {
    return Refusal{f.field, Refusal::Rule::Delimiter, 0, 0, *bad};
  }
  const int length = static_cast<int>(EncodeDeviceText(text).size());
  if (section == Section::Head && length != f.width) {
    return Refusal{f.field, Refusal::Rule::HeadWidth, f.width, length, {}};
  }
  if (section == Section::Tail && length > f.width) {
    return Refusal{f.field, Refusal::Rule::TailTooLong, f.width, length, {}};
  }
  return std::nullopt;
}

}  // namespace

QString WorkModeCode(const QString& workMode, const BuildValues& build) {
  const auto code = WorkModeCodeOf(workMode, build);
  return code ? QString::number(*code) : QString();
}

QByteArray FieldBytes(const ParameterSet& params, Field field, const BuildValues& build) {
  for (const auto& section : {WriteFrameHead(), WriteFrameTail()}) {
    for (const auto& f : section) {
      if (f.item != WriteItem::Fixed && f.field == field) return RenderField(f, params, build);
    }
  }
  return {};
}

QByteArray BuildWriteFrame(const ParameterSet& params, const BuildValues& build) {
  QByteArray frame = Bytes(kWriteLead);
  for (const auto& field : WriteFrameHead()) frame += RenderField(field, params, build);
  frame += kHeadEnd;
  for (const auto& field : WriteFrameTail()) {
    frame += RenderField(field, params, build);
    frame += kTailSeparator;
  }
  frame += kFrameEnd;
  return frame;
}

std::optional<Refusal> CheckWriteFrame(const ParameterSet& params, const BuildValues& build) {
  if (!DeviceTextAvailable()) {
    return Refusal{Field::Callsign, Refusal::Rule::NoTextCodec, 0, 0, {}};
  }
  for (const auto& field : WriteFrameHead()) {
    if (auto refusal = CheckField(field, Section::Head, params, build)) return refusal;
  }
  for (const auto& field : WriteFrameTail()) {
    if (auto refusal = CheckField(field, Section::Tail, params, build)) return refusal;
  }
  return std::nullopt;
}

OrRefusal<Request> WriteRequest(const ParameterSet& params, const BuildValues& build) {
  if (auto refusal = CheckWriteFrame(params, build)) return *refusal;
  return Request{BuildWriteFrame(params, build), kWriteReplyLength};
}

}  // namespace vorlan
