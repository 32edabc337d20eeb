// vorlan_device_sim: a simulated device on a new pseudo-terminal (or on a given serial device).
// The first line on stdout is the path the tool opens; what it receives and sends is logged on
// stderr ("rx <kind> <hex> <printable>", "tx <hex>"). `--help` lists the options.

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <optional>

#include "tools/device_sim/log.h"
#include "tools/device_sim/options.h"
#include "tools/device_sim/responder.h"
#include "tools/device_sim/script.h"
#include "tools/device_sim/transmitter.h"

namespace {

using namespace vorlan::sim;

std::optional<ScriptPlayer> LoadScript(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) Fail("cannot read the script " + path.toStdString());
  Script script = ParseScript(file.readAll());
  if (!script.error.isEmpty()) Fail(path.toStdString() + ": " + script.error.toStdString());
  return ScriptPlayer(std::move(script.steps));
}

void Send(Transmitter& transmitter, const Response& response) {
  if (!response.note.isEmpty()) Log(response.note.toStdString());
  for (const auto& send : response.sends) transmitter.send(send.bytes, send.delayMs);
}

void Play(Transmitter& transmitter, Responder& responder,
          const std::vector<ScriptAction>& actions) {
  for (const auto& action : actions) {
    switch (action.kind) {
      case ScriptAction::Kind::Send:
        transmitter.send(action.bytes);
        break;
      case ScriptAction::Kind::Pause:
        transmitter.pause(action.ms);
        break;
      case ScriptAction::Kind::Answer:
        Send(transmitter, responder.answerAtOnce(action.frame));
        break;
      case ScriptAction::Kind::Note:
        Log(action.note.toStdString());
        break;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("vorlan_device_sim");
  const Options options = ParseOptions(app);
  std::optional<ScriptPlayer> script = LoadScript(options.script);
  signal(SIGPIPE, SIG_IGN);

  Line line(options.device);
  printf("%s\n", line.path().c_str());
  fflush(stdout);

  Device device(options.settings);
  Responder responder(device, options.faults, options.timing, options.seed);
  Transmitter transmitter(line, options.transmit);
  FrameAssembler assembler;

  auto handle = [&](const std::vector<Frame>& frames) {
    for (const auto& frame : frames) {
      Log(std::string("rx ") + FrameKindName(frame.kind) + " " + Hex(frame.bytes) + " " +
          Printable(frame.bytes));
      if (script) {
        Play(transmitter, responder, script->receive(frame));
      } else {
        Send(transmitter, responder.respond(frame));
      }
    }
  };
  if (script) Play(transmitter, responder, script->start());

  // A frame without an end mark ends when the line has been quiet this long.
  QTimer quiet;
  quiet.setSingleShot(true);
  quiet.setInterval(options.quietMs);
  quiet.callOnTimeout([&] { handle(assembler.pause()); });

  QSocketNotifier incoming(line.fd(), QSocketNotifier::Read);
  incoming.connect(&incoming, &QSocketNotifier::activated, [&] {
    char buffer[4096];
    const ssize_t n = read(line.fd(), buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
    if (n <= 0) {
      Log("the line closed");
      std::exit(0);
    }
    handle(assembler.feed(QByteArray(buffer, n)));
    if (assembler.waiting()) quiet.start();
  });
  return app.exec();
}
