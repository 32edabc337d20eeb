#include "config/field_compare.h"

#include "config/text_value.h"
#include "link/device_text.h"
#include "link/protocol.h"
#include "link/write_frame.h"
#include "params/field_table.h"

namespace vorlan {
namespace {

QByteArray WithoutFiller(QByteArray bytes) {
  while (!bytes.isEmpty() &&
         (bytes.back() == ' ' || bytes.back() == '\0' || bytes.back() == '\xff')) {
    bytes.chop(1);
  }
  return bytes;
}

// The value of a one-digit code, or -1.
int Digit(const QByteArray& bytes) {
  return bytes.size() == 1 && bytes[0] >= '0' && bytes[0] <= '9' ? bytes[0] - '0' : -1;
}

// A flag as the read-back says it: on, off, or nothing that decodes (an enable code outside 0-2).
std::optional<bool> ReadBackFlag(const QByteArray& bytes, ReadBackDecoding decoding) {
  if (decoding == ReadBackDecoding::Flag) return bytes == "1";
  const int code = Digit(bytes);
  if (code == 0) return false;
  if (code == 1 || code == 2) return true;
  return std::nullopt;
}

}  // namespace

bool SameDeviceText(const QByteArray& a, const QByteArray& b) {
  return WithoutFiller(a) == WithoutFiller(b);
}

std::vector<Field> AllParameters() {
  std::vector<Field> fields;
  for (const auto& f : ParameterTable()) fields.push_back(f.key);
  return fields;
}

std::vector<Field> DifferingFields(const ParameterSet& a, const ParameterSet& b,
                                   const BuildValues& build, std::span<const Field> fields) {
  std::vector<Field> differing;
  for (Field f : fields) {
    // What each would send the device, a kept code as it came.
    const QByteArray bytesA = FieldBytes(a, f, build);
    const QByteArray bytesB = FieldBytes(b, f, build);
    bool same = bytesA == bytesB;
    if (Def(f).kind == FieldKind::Text) {
      same =
          SameDeviceText(bytesA, bytesB) && EncodesExactly(a.text(f)) && EncodesExactly(b.text(f));
    } else if (Def(f).kind == FieldKind::WorkMode && bytesA.isEmpty() && bytesB.isEmpty()) {
      same = a.text(f) == b.text(f);  // two texts without a code
    }
    if (!same) differing.push_back(f);
  }
  return differing;
}

std::vector<Field> MismatchedFields(const ReadBack& readBack, const ParameterSet& written,
                                    const BuildValues& build) {
  std::vector<Field> mismatched;
  for (const auto& f : ParameterTable()) {
    const QByteArray& bytes = readBack.at(f.key);
    bool same = true;
    if (const auto code = written.keptCode(f.key)) {
      if (bytes != QByteArray(1, *code)) mismatched.push_back(f.key);
      continue;
    }
    switch (f.kind) {
      case FieldKind::Text:
        // On the device's bytes: a text that cannot go on the line as itself never matches.
        same = EncodesExactly(written.text(f.key)) &&
               SameDeviceText(bytes, EncodeDeviceText(written.text(f.key)));
        break;
      case FieldKind::Flag:
        same = ReadBackFlag(bytes, DecodingOf(f.key)) == written.flag(f.key);
        break;
      case FieldKind::WorkMode: {
        const auto code = WorkModeCodeOf(written.text(f.key), build);
        same = code && Digit(bytes) == *code;
        break;
      }
    }
    if (!same) mismatched.push_back(f.key);
  }
  return mismatched;
}

QString ReadBackValueJson(const ReadBack& readBack, Field field, const BuildValues& build) {
  const QByteArray& bytes = readBack.at(field);
  switch (Def(field).kind) {
    case FieldKind::Text:
      return TextValueJson(DecodeDeviceText(bytes));
    case FieldKind::Flag:
      if (const auto on = ReadBackFlag(bytes, DecodingOf(field))) {
        return *on ? QStringLiteral("true") : QStringLiteral("false");
      }
      break;
    case FieldKind::WorkMode:
      if (WorkModeText(Digit(bytes), build)) return QString::number(Digit(bytes));
      break;
  }
  return TextValueJson(DecodeDeviceText(bytes));
}

}  // namespace vorlan
