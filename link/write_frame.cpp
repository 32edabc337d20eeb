#include "link/write_frame.h"

#include "link/device_text.h"
#include "link/protocol.h"
#include "params/field_table.h"
#include "params/presets.h"

namespace vorlan {
namespace {

// Characters that end a head, a tail field or the frame: inside a field the device would split it.
constexpr std::string_view kFrameDelimiters = "&|#";

QByteArray RenderField(const WriteFrameField& f, const ParameterSet& p, const LanguageData& lang) {
  switch (f.item) {
    case WriteItem::Fixed:
      return Bytes(f.fixed);
    case WriteItem::Text:
      return EncodeDeviceText(*p.text(f.field));
    case WriteItem::WorkMode:
      return WorkModeCode(p.WorkMode, lang).toLatin1();
    case WriteItem::Flag:
      return QByteArray(1, *p.flag(f.field) ? f.onChar : '0');
  }
  return {};
}

enum class Section { Head, Tail };

std::optional<QString> CheckField(const WriteFrameField& f, Section section, const ParameterSet& p,
                                  const LanguageData& lang) {
  const QString label = FieldLabelText(lang, f.field);
  if (f.item == WriteItem::WorkMode && WorkModeCode(p.WorkMode, lang).isEmpty()) {
    return Text(lang.refuseNoWorkMode).arg(label, p.WorkMode);
  }
  if (f.item != WriteItem::Text) return std::nullopt;

  const QString& text = *p.text(f.field);
  if (auto bad = CharacterEncodingAny(text, kFrameDelimiters)) {
    return Text(lang.refuseCharacter).arg(label, *bad);
  }
  const qsizetype length = EncodeDeviceText(text).size();
  if (section == Section::Head && length != f.width) {
    return Text(lang.refuseHeadWidth).arg(label).arg(f.width).arg(length);
  }
  if (section == Section::Tail && length > f.width) {
    return Text(lang.refuseTailTooLong).arg(label).arg(f.width).arg(length);
  }
  return std::nullopt;
}

}  // namespace

QString WorkModeCode(const QString& workMode, const LanguageData& lang) {
  const auto code = WorkModeCodeOf(workMode, lang);
  return code ? QString::number(*code) : QString();
}

QByteArray BuildWriteFrame(const ParameterSet& params, const LanguageData& lang) {
  QByteArray frame = Bytes(kWriteLead);
  for (const auto& field : WriteFrameHead()) frame += RenderField(field, params, lang);
  frame += kHeadEnd;
  for (const auto& field : WriteFrameTail()) {
    frame += RenderField(field, params, lang);
    frame += kTailSeparator;
  }
  frame += kFrameEnd;
  return frame;
}

std::optional<QString> CheckWriteFrame(const ParameterSet& params, const LanguageData& lang) {
  for (const auto& field : WriteFrameHead()) {
    if (auto refusal = CheckField(field, Section::Head, params, lang)) return refusal;
  }
  for (const auto& field : WriteFrameTail()) {
    if (auto refusal = CheckField(field, Section::Tail, params, lang)) return refusal;
  }
  return std::nullopt;
}

ParameterSet ReadParameters(const WindowView& view) {
  ParameterSet params;
  for (const auto& f : FieldTable()) {
    if (f.role != FieldRole::Parameter) continue;
    if (f.kind == FieldKind::Flag) {
      *params.flag(f.name) = view.flag(f.name);
    } else {
      *params.text(f.name) = view.text(f.name);
    }
  }
  return params;
}

void WriteConfiguration(SerialLink& link, WindowView& view, const LanguageData& lang) {
  const ParameterSet params = ReadParameters(view);
  if (auto refusal = CheckWriteFrame(params, lang)) {
    view.showMessage(*refusal);
    return;
  }
  const QByteArray frame = BuildWriteFrame(params, lang);
  ReportLinkFailure(SendRequest(link, frame, kWriteReplyLength), link, view);
}

}  // namespace vorlan
