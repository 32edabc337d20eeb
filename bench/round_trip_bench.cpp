// Read and Write round trips against the simulator paced at 9600 baud, from the click to the
// message, against the wire time of the bytes exchanged (10 bits a byte).
// Usage: vorlan_round_trip_bench [runs]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "link/protocol.h"
#include "link/write_frame.h"
#include "session.h"
#include "ui/lang/en/en_language.h"

namespace {

using namespace vorlan;

double WireMs(qsizetype bytes) {
  return static_cast<double>(bytes) * 10.0 * 1000.0 / 9600.0;
}

template <typename Click>
double MedianMs(test::Session& session, int runs, Click click) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    session.view.messages.clear();
    QElapsedTimer clock;
    clock.start();
    click();
    if (!session.waitForMessages(1, 10000)) return -1;
    times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// A pseudo-terminal passes the tool's bytes at once; only the simulated device paces its reply, so
// the reply's own wire time is printed beside that of all bytes exchanged.
void Print(const char* what, double ms, qsizetype bytes, qsizetype replyBytes) {
  std::printf(
      "%s round trip (median): %.1f ms; wire time at 9600 baud of the %lld bytes exchanged %.1f ms "
      "(ratio %.3f), of the %lld-byte reply %.1f ms (ratio %.3f)\n",
      what, ms, static_cast<long long>(bytes), WireMs(bytes), ms / WireMs(bytes),
      static_cast<long long>(replyBytes), WireMs(replyBytes), ms / WireMs(replyBytes));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
  const LanguageData& lang = EnglishLanguage();
  test::Session session(lang, {});  // paced like the device
  if (!session.open()) return 1;

  const double readMs = MedianMs(session, runs, [&] { session.actions.read(); });
  const qsizetype readBytes = static_cast<qsizetype>(kReadRequest.size()) + kReadReplyLength;

  test::TypeAll(session.actions, InitialParameters(lang.servers), lang);
  const double writeMs = MedianMs(session, runs, [&] { session.actions.write(); });
  const qsizetype writeBytes = BuildWriteFrame(session.actions.values()).size() + kWriteReplyLength;

  if (readMs < 0 || writeMs < 0) {
    std::fprintf(stderr, "the simulator did not answer\n");
    return 1;
  }
  Print("Read", readMs, readBytes, kReadReplyLength);
  Print("Write", writeMs, writeBytes, kWriteReplyLength);
  return 0;
}
