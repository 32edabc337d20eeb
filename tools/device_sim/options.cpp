#include "tools/device_sim/options.h"

#include <QCommandLineParser>

#include "tools/device_sim/corruption.h"
#include "tools/device_sim/log.h"

namespace vorlan::sim {
namespace {

constexpr char kDescription[] =
    "A simulated device for the setup tool. It opens a new pseudo-terminal (or --device), prints "
    "the path to open as its first line on stdout, and logs on stderr every frame it receives "
    "(\"rx <kind> <hex> <printable>\", kind read, about, write, instruction, message or noise) "
    "and every reply it has sent whole (\"tx <hex>\").\n"
    "It answers \"$2#\" with \"$1\", the 400-byte read-back and 10 filler bytes (412); \"$3#\" "
    "with \"$6\" and a 100-byte about text; a write frame with \"$4\" when it takes and stores it, "
    "\"$5\" when it refuses it (a head that is not 94 columns with the lead, a tail that is not 12 "
    "fields each closed by \"|\", a tail text longer than its read-back field, a flag or code "
    "outside its values, a reserved mark that differs); an instruction frame with \"$3\"; a "
    "message with nothing. Short answers are the two bytes and 3 filler bytes.";

int IntValue(const QCommandLineParser& parser, const QCommandLineOption& option, int minimum) {
  bool ok = false;
  const int value = parser.value(option).toInt(&ok);
  if (!ok || value < minimum) {
    Fail(QStringLiteral("--%1 takes a number of at least %2")
             .arg(option.names().first())
             .arg(minimum)
             .toStdString());
  }
  return value;
}

char FillerByte(const QString& name) {
  if (name == "blank") return ' ';
  if (name == "nul") return '\0';
  if (name == "ff") return '\xff';
  Fail("--filler takes blank, nul or ff");
}

}  // namespace

Options ParseOptions(const QCoreApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(kDescription);
  parser.addHelpOption();
  const QCommandLineOption device("device", "Serve this serial device instead of a new pty.",
                                  "path");
  const QCommandLineOption filler(
      "filler",
      "The byte that pads texts in the read-back and ends short answers: blank "
      "(default), nul or ff.",
      "byte", "blank");
  const QCommandLineOption fast("fast", "Send replies at once instead of at 9600 baud.");
  const QCommandLineOption noise("noise", "Send N random bytes, never \"$\", before every reply.",
                                 "N", "0");
  const QCommandLineOption dollarNoise(
      "dollar-noise",
      "Send N random bytes that hold \"$\" before every reply (after --noise): the first is \"$\", "
      "the others any byte, but a \"$\" is never followed by a reply kind 1 to 6.",
      "N", "0");
  const QCommandLineOption cut("cut", "Cut every reply to N bytes.", "N", "-1");
  const QCommandLineOption wrongLead("wrong-lead", "Send \"#\" in place of the \"$\" lead.");
  const QCommandLineOption wrongKind("wrong-kind", "Send this character as the reply kind.", "D");
  const QCommandLineOption delay("delay", "Every reply is due MS milliseconds after its frame.",
                                 "MS", "0");
  const QCommandLineOption lateRead(
      "late-read",
      "A Read is answered MS milliseconds late (on top of --delay); frames that come meanwhile are "
      "answered as they come, so their replies go out before the read-back.",
      "MS", "0");
  const QCommandLineOption staleReply(
      "stale-reply",
      "Answer one request late, in pairs: the answer to a frame that comes while none is held back "
      "is held back; the next frame (a message too, not noise) sends it at once, then gets its own "
      "answer. So the 1st, 3rd, ... answer arrives after the next request, just before its "
      "answer.");
  const QCommandLineOption radioRead(
      "radio-read", "Answer Read with a radio read report: \"$2\" and 3 filler bytes (5 in all).");
  const QCommandLineOption about100(
      "about-100",
      "Answer About with \"$6\" and the first 98 bytes of the about text: 100 bytes in all.");
  const QCommandLineOption corruptField(
      "corrupt-field",
      "After every write it takes (answered \"$4\"), store this field wrong: a flag or code gets "
      "the next value (\"0\"/\"1\" swap, Server2Enable \"0\"/\"2\", work mode one up, 4 to 0), a "
      "text \"A\" as first byte (\"B\" if it began with \"A\"; empty becomes \"A\"). NAME is a "
      "field name such as Callsign, Server2Enable, WorkMode.",
      "NAME");
  const QCommandLineOption hangUp("hangup-after", "Hang up after N reply bytes.", "N", "-1");
  const QCommandLineOption chunk("chunk", "Send replies in pieces of N bytes.", "N", "0");
  const QCommandLineOption gap("gap", "Pause MS milliseconds between pieces.", "MS", "0");
  const QCommandLineOption script(
      "script",
      "Play this conversation instead of answering as a device: one step a line, \"expect KIND\", "
      "\"send BYTES\", \"send-text TEXT\", \"wait MS\", \"answer\"; BYTES are hex pairs, "
      "\"quoted text\" with \\xHH escapes, N*TOKEN repeats (see the README). --delay, "
      "--late-read and --stale-reply do not apply; the faults apply to \"answer\" steps.",
      "file");
  const QCommandLineOption quiet("quiet", "A frame without end mark ends after MS quiet.", "MS",
                                 "50");
  const QCommandLineOption seed("seed", "Seed of the noise bytes.", "N", "1");
  parser.addOptions({device,    filler, fast,     noise,      dollarNoise, cut,      wrongLead,
                     wrongKind, delay,  lateRead, staleReply, radioRead,   about100, corruptField,
                     hangUp,    chunk,  gap,      script,     quiet,       seed});
  parser.process(app);

  Options o;
  o.device = parser.value(device);
  o.script = parser.value(script);
  o.quietMs = IntValue(parser, quiet, 1);
  o.seed = parser.value(seed).toUInt();

  o.settings.filler = FillerByte(parser.value(filler));
  o.settings.radioRead = parser.isSet(radioRead);
  o.settings.about100 = parser.isSet(about100);
  o.settings.corruptField = parser.value(corruptField).toStdString();
  if (parser.isSet(corruptField) && !IsStoredField(o.settings.corruptField)) {
    Fail("--corrupt-field: the device stores no field " + o.settings.corruptField);
  }

  o.faults.noise = IntValue(parser, noise, 0);
  o.faults.dollarNoise = IntValue(parser, dollarNoise, 0);
  o.faults.cut = IntValue(parser, cut, -1);
  o.faults.wrongLead = parser.isSet(wrongLead);
  if (parser.isSet(wrongKind)) {
    const QByteArray kind = parser.value(wrongKind).toLatin1();
    if (kind.size() != 1) Fail("--wrong-kind takes one character");
    o.faults.wrongKind = kind[0];
  }

  o.timing.delayMs = IntValue(parser, delay, 0);
  o.timing.lateReadMs = IntValue(parser, lateRead, 0);
  o.timing.staleReply = parser.isSet(staleReply);

  o.transmit.fast = parser.isSet(fast);
  o.transmit.chunk = IntValue(parser, chunk, 0);
  o.transmit.gapMs = IntValue(parser, gap, 0);
  o.transmit.hangUpAfter = IntValue(parser, hangUp, -1);
  return o;
}

}  // namespace vorlan::sim
