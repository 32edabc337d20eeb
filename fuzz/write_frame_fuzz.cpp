// Builds the write frame from any parameter values and lets the simulated device parse it: whatever
// the tool does not refuse, the device must read back field for field.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "link/device_text.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "params/presets.h"
#include "tools/device_sim/write_frame_parser.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace {

using namespace vorlan;

QString FuzzedText(FuzzedDataProvider& data, int maxBytes) {
  const std::string bytes = data.ConsumeRandomLengthString(static_cast<std::size_t>(maxBytes));
  const QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
  // Either device text (any bytes, as a read-back gives them) or text as the user types it.
  return data.ConsumeBool() ? DecodeDeviceText(raw) : QString::fromUtf8(raw);
}

ParameterSet FuzzedParameters(FuzzedDataProvider& data, const LanguageData& lang) {
  ParameterSet params = InitialParameters(lang);
  for (const auto& f : FieldTable()) {
    if (f.role != FieldRole::Parameter) continue;
    switch (f.kind) {
      case FieldKind::Flag:
        *params.flag(f.name) = data.ConsumeBool();
        break;
      case FieldKind::Text:
        // Most values keep their preset so the head usually passes and the tail gets exercised.
        if (data.ConsumeIntegralInRange(0, 3) == 0) *params.text(f.name) = FuzzedText(data, 2 * f.maxLength);
        break;
      case FieldKind::WorkMode:
        params.WorkMode = data.ConsumeBool()
                              ? *WorkModeText(data.ConsumeIntegralInRange(0, 4), lang)
                              : FuzzedText(data, 16);
        break;
    }
  }
  return params;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const LanguageData& lang = data.ConsumeBool() ? ChineseLanguage() : EnglishLanguage();
  const ParameterSet params = FuzzedParameters(data, lang);
  if (CheckWriteFrame(params, lang)) return 0;  // refused: nothing goes on the line

  const auto parsed = sim::ParseWriteFrame(BuildWriteFrame(params, lang));
  if (!parsed.configuration) __builtin_trap();
  const sim::Configuration& stored = *parsed.configuration;
  for (const auto& f : FieldTable()) {
    if (f.role != FieldRole::Parameter) continue;
    const auto it = stored.find(f.name);
    if (it == stored.end()) __builtin_trap();
    QByteArray expected;
    switch (f.kind) {
      case FieldKind::Flag:
        expected = *params.flag(f.name) ? (f.name == "Server2Enable" ? "2" : "1") : "0";
        break;
      case FieldKind::Text:
        expected = EncodeDeviceText(*params.text(f.name));
        break;
      case FieldKind::WorkMode:
        expected = WorkModeCode(params.WorkMode, lang).toLatin1();
        break;
    }
    if (it->second != expected) __builtin_trap();
  }
  return 0;
}
