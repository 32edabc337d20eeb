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

namespace {

using namespace vorlan;

QString FuzzedText(FuzzedDataProvider& data, int maxBytes) {
  const std::string bytes = data.ConsumeRandomLengthString(static_cast<std::size_t>(maxBytes));
  const QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
  // Either device text (any bytes, as a read-back gives them) or text as the user types it.
  return data.ConsumeBool() ? DecodeDeviceText(raw) : QString::fromUtf8(raw);
}

ParameterSet FuzzedParameters(FuzzedDataProvider& data, const ServerPresets& servers) {
  ParameterSet params = InitialParameters(servers);
  for (const auto& f : ParameterTable()) {
    switch (f.kind) {
      case FieldKind::Flag:
        params.setFlag(f.key, data.ConsumeBool());
        break;
      case FieldKind::Text:
        // Most values keep their preset so the head usually passes and the tail gets exercised.
        if (data.ConsumeIntegralInRange(0, 3) == 0) {
          params.setText(f.key, FuzzedText(data, 2 * f.maxLength));
        }
        break;
      case FieldKind::WorkMode:
        // A listed code, or any byte a device may have sent.
        params.setWorkMode(data.ConsumeBool()
                               ? static_cast<char>(kFirstWorkMode + data.ConsumeIntegralInRange(
                                                                        0, kWorkModeCount - 1))
                               : data.ConsumeIntegral<char>());
        break;
    }
  }
  return params;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const ParameterSet params =
      FuzzedParameters(data, data.ConsumeBool() ? kAsiaServers : kRotateServers);
  if (CheckWriteFrame(params)) return 0;  // refused: nothing goes on the line

  // A work mode outside the list is a device's own code going back as it came: the frame differs
  // from the one with a listed code in that byte alone. The simulator knows the listed codes only,
  // so it reads the listed frame.
  ParameterSet listed = params;
  if (!IsListedWorkMode(params.workMode())) listed.setWorkMode(kFirstWorkMode);
  const QByteArray frame = BuildWriteFrame(params), listedFrame = BuildWriteFrame(listed);
  if (frame.size() != listedFrame.size()) __builtin_trap();
  for (qsizetype i = 0; i < frame.size(); ++i) {
    if (frame[i] != listedFrame[i] && frame[i] != params.workMode()) __builtin_trap();
  }

  const auto parsed = sim::ParseWriteFrame(listedFrame);
  if (!parsed.configuration) __builtin_trap();
  const sim::Configuration& stored = *parsed.configuration;
  for (const auto& f : ParameterTable()) {
    const auto it = stored.find(f.name);
    if (it == stored.end()) __builtin_trap();
    QByteArray expected;
    switch (f.kind) {
      case FieldKind::Flag:
        expected = listed.flag(f.key) ? (f.key == Field::Server2Enable ? "2" : "1") : "0";
        break;
      case FieldKind::Text:
        expected = EncodeDeviceText(listed.text(f.key));
        break;
      case FieldKind::WorkMode:
        expected = QByteArray(1, listed.workMode());
        break;
    }
    if (it->second != expected) __builtin_trap();
  }
  return 0;
}
