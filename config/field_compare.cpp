#include "config/field_compare.h"

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
                                   std::span<const Field> fields) {
  std::vector<Field> differing;
  for (Field f : fields) {
    // What each would send the device, a device's code as it came.
    const QByteArray bytesA = FieldBytes(a, f);
    const QByteArray bytesB = FieldBytes(b, f);
    const bool same = Def(f).kind == FieldKind::Text
                          ? SameDeviceText(bytesA, bytesB) && EncodesExactly(a.text(f)) &&
                                EncodesExactly(b.text(f))
                          : bytesA == bytesB;
    if (!same) differing.push_back(f);
  }
  return differing;
}

std::vector<Field> MismatchedFields(const ReadBack& readBack, const ParameterSet& written) {
  // Flags and codes as the read-back decodes them; texts on the device's own bytes, so that a text
  // that cannot go on the line as itself never matches.
  const ParameterSet device = ReadBackParameters(readBack);
  std::vector<Field> mismatched;
  for (const auto& f : ParameterTable()) {
    const bool same =
        f.kind == FieldKind::Text
            ? EncodesExactly(written.text(f.key)) &&
                  SameDeviceText(readBack.at(f.key), EncodeDeviceText(written.text(f.key)))
            : FieldBytes(device, f.key) == FieldBytes(written, f.key);
    if (!same) mismatched.push_back(f.key);
  }
  return mismatched;
}

}  // namespace vorlan
