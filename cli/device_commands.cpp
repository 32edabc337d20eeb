// ports, about, instruction and message: the device's port and its other requests.

#include <QEventLoop>
#include <QTimer>

#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/stream_write.h"
#include "cli/terminal_text.h"
#include "cli/try.h"
#include "link/com_ports.h"
#include "link/device_text.h"
#include "link/requests.h"
#include "link/finder/port_arrival.h"
#include "link/discovery/port_names.h"
#include "link/finder/port_probe.h"
#include "params/field_table.h"

namespace vorlan::cli {
namespace {

Failure Refused(const Refusal& refusal) {
  return {ExitCode::UsageOrFile, QStringLiteral("Not sent: ") + RefusalText(refusal) + '.'};
}

// The send fields as the window starts with them, with what the command line gives. The core
// holds them to their limits, in bytes on the line, as the window's are.
SendFields SendFieldsOf(const Options& options) {
  SendFields send = InitialSendFields();
  if (options.hisCallsign) send.HisCallsign = *options.hisCallsign;
  if (options.hisPassword) send.HisPassword = *options.hisPassword;
  const QString text = options.arguments.value(0);
  if (options.command == QLatin1String("message")) {
    send.Message = text;
  } else {
    send.Instruction = text;
  }
  return send;
}

// The device's text for a file or a pipe: its characters as UTF-8, and the bytes that are no text
// (NUL included) as they came, so that nothing of it is lost or cut.
QByteArray TerminalBytes(const QByteArray& deviceText) {
  const QString text = DecodeDeviceText(deviceText);
  QByteArray bytes;
  qsizetype runStart = 0;
  for (qsizetype i = 0; i <= text.size(); ++i) {
    const bool standIn = i < text.size() && text[i].unicode() >= 0xDC80 &&
                         text[i].unicode() <= 0xDCFF && !(i > 0 && text[i - 1].isHighSurrogate());
    if (i < text.size() && !standIn) continue;
    bytes += QStringView(text).mid(runStart, i - runStart).toUtf8();
    if (standIn) bytes += static_cast<char>(text[i].unicode() - 0xDC00);
    runStart = i + 1;
  }
  return bytes;
}

// ports --probe: what each port did when asked; done when exactly one answered.
std::optional<Failure> ProbeAndList(Context& context) {
  const QList<ProbeResult> results = context.probePorts();
  const QList<ProbeResult> answering = Answering(results);
  if (answering.size() != 1) {
    return Failure{ExitCode::Port, NoSingleDeviceText(results, context.probeWaitMs())};
  }
  for (const ProbeResult& result : results) {
    context.print(ProbeResultText(result, context.probeWaitMs()));
  }
  context.print(
      QStringLiteral("The device is on %1.")
          .arg(PortWhere(PortText(answering.first().port.number), answering.first().port.path)));
  return std::nullopt;
}

// ports --wait: the next port to appear; with --timeout no longer than that.
std::optional<Failure> WaitForPort(Context& context) {
  context.warn(
      QStringLiteral("Unplug the device's cable if it is plugged in, then plug it in: waiting for "
                     "a new port%1.")
          .arg(context.options.timeoutGiven
                   ? QStringLiteral(" (up to %1 s)").arg(context.options.timeoutMs / 1000.0)
                   : QStringLiteral(" (Ctrl+C ends the wait)")));
  std::optional<MappedPort> appeared;
  QEventLoop loop;
  PortArrivalWatch watch;
  watch.onArrived = [&](const MappedPort& port) {
    appeared = port;
    loop.quit();
  };
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
  watch.start();
  if (context.options.timeoutGiven) limit.start(context.options.timeoutMs);
  loop.exec();
  if (!appeared) {
    return Failure{ExitCode::NoAnswer, QStringLiteral("No new port appeared within %1 s.")
                                           .arg(context.options.timeoutMs / 1000.0)};
  }
  context.print(PortLineText(*appeared));
  return std::nullopt;
}

}  // namespace

std::optional<Failure> RunPorts(Context& context) {
  if (context.options.wait) return WaitForPort(context);
  if (context.options.probe) return ProbeAndList(context);
  const QList<MappedPort> mapping = PortMapping();
  if (mapping.isEmpty()) {
    context.print(QStringLiteral(
        "No serial port is present. Plug the device in, or pin a COM number to a device path "
        "with VORLAN_COM<n>=PATH."));
  }
  for (const MappedPort& port : mapping) context.print(PortLineText(port));
  return std::nullopt;
}

std::optional<Failure> RunAbout(Context& context) {
  context.notesToStderr = true;
  VORLAN_TRY(session, context.openDevice());
  VORLAN_TRY(reply, session->exchange(AboutRequest(), QStringLiteral("Asking")));
  if (reply.outcome != Reply::Outcome::DeviceText)
    return Unexpected(*session, reply, "the about request");
  // On a terminal escaped as every device value (nothing of it acts on the terminal), else whole.
  const QByteArray shown = IsTerminal(stdout)
                               ? TerminalText(DecodeDeviceText(reply.deviceText)).toUtf8()
                               : TerminalBytes(reply.deviceText);
  context.output(shown + '\n');
  return std::nullopt;
}

std::optional<Failure> RunInstruction(Context& context) {
  const SendFields send = SendFieldsOf(context.options);
  QString callsign = context.options.callsign.value_or(QString());
  // The user's texts are judged before the port is touched; the device's callsign once it is read.
  if (const auto early = InstructionRequest(send, callsign); std::holds_alternative<Refusal>(early))
    return Refused(std::get<Refusal>(early));
  VORLAN_TRY(session, context.openDevice());
  if (!context.options.callsign) {
    VORLAN_TRY(device, context.readDevice(*session));
    callsign = device.params.text(Field::Callsign);
  }
  const auto request = InstructionRequest(send, callsign);
  if (auto* refusal = std::get_if<Refusal>(&request)) return Refused(*refusal);
  VORLAN_TRY(reply, session->exchange(std::get<Request>(request), QStringLiteral("Sending")));

  switch (reply.outcome) {
    case Reply::Outcome::RadioWriteDone:
      context.print(send.HisCallsign + kRadioWriteCorrect);
      return std::nullopt;
    case Reply::Outcome::RadioReadDone:
      context.print(kCallsignPrefix + TerminalText(callsign) + kRadioReadCorrect);
      return std::nullopt;
    default:
      return Unexpected(*session, reply, "the instruction");
  }
}

std::optional<Failure> RunMessage(Context& context) {
  const SendFields send = SendFieldsOf(context.options);
  const auto request = MessageRequest(send);
  if (auto* refusal = std::get_if<Refusal>(&request)) return Refused(*refusal);
  VORLAN_TRY(session, context.openDevice());
  // Returns once the frame has left the port: the device ends it by the quiet that follows.
  if (auto failure = session->send(std::get<Request>(request))) return failure;
  context.print(QStringLiteral("Sent the message to %1 through %2; the device does not answer it.")
                    .arg(send.HisCallsign, session->where()));
  return std::nullopt;
}

}  // namespace vorlan::cli
