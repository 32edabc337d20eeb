// Opens any bytes as a configuration file: either a problem, with nothing taken, or a configuration
// whose every value fits its field, whose every user's value is of its field's form, that the base
// shows through wherever the file is silent, and that saved and opened again gives the same write
// frame.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "config/config_reader.h"
#include "config/config_writer.h"
#include "link/device_text.h"
#include "link/value_forms.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "params/presets.h"

namespace {

using namespace vorlan;

void Check(bool holds) {
  if (!holds) std::abort();
}

bool Sets(const OpenedConfiguration& opened, Field f) {
  return std::find(opened.fieldsSet.begin(), opened.fieldsSet.end(), f) != opened.fieldsSet.end();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ParameterSet base = InitialParameters(kRotateServers);
  const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  const auto result = ReadConfiguration(text, "fuzz.json", base);
  if (const auto* problem = std::get_if<ConfigProblem>(&result)) {
    Check(problem->file == "fuzz.json");
    return 0;
  }
  const OpenedConfiguration& opened = std::get<OpenedConfiguration>(result);
  for (const auto& f : ParameterTable()) {
    if (!Sets(opened, f.key)) {
      Check(opened.params.sameValue(f.key, base));
    } else if (f.kind == FieldKind::Text) {
      Check(EncodeDeviceText(opened.params.text(f.key)).size() <= f.maxLength);
    }
  }
  // A delimiter may stand in a device's value: only sending refuses it.
  Check(!CheckFrameWidths(opened.params));
  Check(!CheckForms(opened.params, opened.userFields()));
  for (Field f : opened.deviceFields) Check(Sets(opened, f));

  // Saved and opened again over another base: the same frame.
  // The device's values stay the device's own when saved again from a read-back.
  SaveInfo info{"fuzz", "0", {}};
  if (!opened.deviceFields.empty()) info.read = ReadOrigin{"COM1", {}, {}};
  const QByteArray saved = ConfigurationText(opened.params, info);
  const auto again = ReadConfiguration(saved, "again.json", InitialParameters(kAsiaServers));
  Check(std::holds_alternative<OpenedConfiguration>(again));
  const ParameterSet& reopened = std::get<OpenedConfiguration>(again).params;
  Check(BuildWriteFrame(reopened) == BuildWriteFrame(opened.params));
  return 0;
}
