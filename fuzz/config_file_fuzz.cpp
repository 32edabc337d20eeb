// Opens any bytes as a configuration file: either a problem, with nothing taken, or a configuration
// whose every value is sound, that the base shows through wherever the file is silent, and that
// saved and opened again gives the same write frame.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "config/config_reader.h"
#include "config/config_writer.h"
#include "link/device_text.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

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
  const BuildValues& english = EnglishLanguage().values;
  const ParameterSet base = InitialParameters(english);
  const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  const auto result = ReadConfiguration(text, "fuzz.json", base, english);
  if (const auto* problem = std::get_if<ConfigProblem>(&result)) {
    Check(problem->file == "fuzz.json");
    return 0;
  }
  const OpenedConfiguration& opened = std::get<OpenedConfiguration>(result);
  for (const auto& f : ParameterTable()) {
    if (!Sets(opened, f.key)) {
      Check(opened.params.text(f.key) == base.text(f.key) &&
            opened.params.flag(f.key) == base.flag(f.key));
    } else if (f.kind == FieldKind::Text) {
      Check(EncodeDeviceText(opened.params.text(f.key)).size() <= f.maxLength);
    }
  }
  Check(!CheckWriteFrame(opened.params, english));

  // Saved and opened again over another base, in the other build: the same frame.
  // A read-back's values stay the device's own when saved again.
  SaveInfo info{"fuzz", "0", {}};
  if (opened.readBack) info.read = ReadOrigin{"COM1", {}, {}};
  const auto saved = ConfigurationText(opened.params, english, info, "again.json");
  Check(std::holds_alternative<QByteArray>(saved));
  const BuildValues& chinese = ChineseLanguage().values;
  const auto again = ReadConfiguration(std::get<QByteArray>(saved), "again.json",
                                       FactoryParameters(chinese), chinese);
  Check(std::holds_alternative<OpenedConfiguration>(again));
  const ParameterSet& reopened = std::get<OpenedConfiguration>(again).params;
  Check(BuildWriteFrame(reopened, chinese) == BuildWriteFrame(opened.params, english));
  return 0;
}
