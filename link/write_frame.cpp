#include "link/write_frame.h"

#include "link/device_text.h"
#include "link/protocol.h"

namespace vorlan {
namespace {

// Characters that end a head, a tail field or the frame: inside a field the device would split it.
constexpr std::string_view kFrameDelimiters = "&|#";

// The code byte a field holds as the device's own: the work mode, or a kept enable code.
std::optional<char> DeviceCode(const WriteFrameField& f, const ParameterSet& p) {
  if (f.item == WriteItem::WorkMode) return p.workMode();
  if (f.item == WriteItem::Flag) return p.keptCode(f.field);
  return std::nullopt;
}

QByteArray RenderField(const WriteFrameField& f, const ParameterSet& p) {
  if (const auto code = DeviceCode(f, p)) return QByteArray(1, *code);
  switch (f.item) {
    case WriteItem::Fixed:
      return Bytes(f.fixed);
    case WriteItem::Text:
      return EncodeDeviceText(p.text(f.field));
    case WriteItem::Flag:
      return QByteArray(1, p.flag(f.field) ? f.onChar : '0');
    case WriteItem::WorkMode:
      break;
  }
  return {};
}

enum class Section { Head, Tail };
// Whole: every rule, as the frame goes on the line. WidthsOnly: the byte counts alone, which a
// value the device could hold always meets.
enum class Rules { Whole, WidthsOnly };

std::optional<Refusal> CheckField(const WriteFrameField& f, Section section, const ParameterSet& p,
                                  Rules rules) {
  if (const auto code = DeviceCode(f, p)) {
    // The device's own code goes back as it came, unless it would cut the frame.
    const bool cuts = kFrameDelimiters.find(*code) != std::string_view::npos;
    if (rules == Rules::WidthsOnly || !cuts) return std::nullopt;
    return Refusal{f.field, Refusal::Rule::Delimiter, 0, 0, QString(QChar::fromLatin1(*code))};
  }
  if (f.item != WriteItem::Text) return std::nullopt;

  const QString& text = p.text(f.field);
  if (auto bad = CharacterEncodingAny(text, kFrameDelimiters); bad && rules == Rules::Whole) {
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

std::optional<Refusal> CheckFrame(const ParameterSet& params, Rules rules) {
  if (!DeviceTextAvailable()) {
    return Refusal{Field::Callsign, Refusal::Rule::NoTextCodec, 0, 0, {}};
  }
  for (const auto& field : WriteFrameHead()) {
    if (auto refusal = CheckField(field, Section::Head, params, rules)) return refusal;
  }
  for (const auto& field : WriteFrameTail()) {
    if (auto refusal = CheckField(field, Section::Tail, params, rules)) return refusal;
  }
  return std::nullopt;
}

}  // namespace

QByteArray FieldBytes(const ParameterSet& params, Field field) {
  for (const auto& section : {WriteFrameHead(), WriteFrameTail()}) {
    for (const auto& f : section) {
      if (f.item != WriteItem::Fixed && f.field == field) return RenderField(f, params);
    }
  }
  return {};
}

QByteArray BuildWriteFrame(const ParameterSet& params) {
  QByteArray frame = Bytes(kWriteLead);
  for (const auto& field : WriteFrameHead()) frame += RenderField(field, params);
  frame += kHeadEnd;
  for (const auto& field : WriteFrameTail()) {
    frame += RenderField(field, params);
    frame += kTailSeparator;
  }
  frame += kFrameEnd;
  return frame;
}

std::optional<Refusal> CheckWriteFrame(const ParameterSet& params) {
  return CheckFrame(params, Rules::Whole);
}

std::optional<Refusal> CheckFrameWidths(const ParameterSet& params) {
  return CheckFrame(params, Rules::WidthsOnly);
}

OrRefusal<Request> WriteRequest(const ParameterSet& params) {
  if (auto refusal = CheckWriteFrame(params)) return *refusal;
  return Request{BuildWriteFrame(params),
                 kWriteReplyLength,
                 {ReplyKind::WriteDone, ReplyKind::WriteIncomplete}};
}

}  // namespace vorlan
