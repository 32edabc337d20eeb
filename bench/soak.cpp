// Soak: N cycles of Write then Read of a random parameter set against the device simulator, in both
// builds; prints the fields that did not come back (must be 0) and the cycles per second.
// Usage: vorlan_soak [--cycles N] [--fast] [--seed S]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <cstdio>

#include "link/device_text.h"
#include "link/protocol.h"
#include "random_parameters.h"
#include "session.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace {

using namespace vorlan;

// Fields whose read-back differs from what was written (texts come back padded with blanks).
int Mismatches(const ParameterSet& written, const ParameterSet& readBack) {
  int mismatches = 0;
  for (const auto& row : ReadBackLayout()) {
    if (row.decoding == ReadBackDecoding::Reserved) continue;
    if (row.decoding == ReadBackDecoding::Text) {
      const QByteArray expected =
          EncodeDeviceText(written.text(row.field)).leftJustified(row.width, ' ');
      mismatches += EncodeDeviceText(readBack.text(row.field)) != expected;
    } else if (row.decoding == ReadBackDecoding::WorkMode) {
      mismatches += written.workMode() != readBack.workMode();
    } else {
      mismatches += written.flag(row.field) != readBack.flag(row.field);
    }
  }
  return mismatches;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  const int cycles =
      args.contains("--cycles") ? args.value(args.indexOf("--cycles") + 1).toInt() : 200;
  const quint32 seed =
      args.contains("--seed") ? args.value(args.indexOf("--seed") + 1).toUInt() : 1;
  const QStringList simOptions = args.contains("--fast") ? QStringList{"--fast"} : QStringList{};

  QRandomGenerator random(seed);
  int mismatches = 0, failedExchanges = 0;
  QElapsedTimer clock;
  clock.start();
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    test::Session session(*lang, simOptions);
    if (!session.open()) {
      std::fprintf(stderr, "cannot open the simulator's port\n");
      return 1;
    }
    for (int cycle = 0; cycle < cycles / 2; ++cycle) {
      const ParameterSet params = test::RandomParameters(random, lang->servers);
      test::TypeAll(session.actions, params, *lang);
      session.view.messages.clear();
      session.actions.write();
      const bool written =
          session.waitForMessages(1) &&
          session.view.messages[0] == params.text(Field::Callsign) + Text(lang->writeCorrect);

      session.view.params = InitialParameters(lang->servers);
      session.actions.read();
      const bool read = session.waitForMessages(2);
      if (!written || !read) ++failedExchanges;
      mismatches += Mismatches(params, session.view.params);
    }
  }
  const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
  std::printf("soak: %d cycles (%s), %d mismatched fields, %d failed exchanges, %.1f cycles/s\n",
              cycles, simOptions.isEmpty() ? "paced at 9600 baud" : "fast", mismatches,
              failedExchanges, cycles / seconds);
  return mismatches == 0 && failedExchanges == 0 ? 0 : 1;
}
