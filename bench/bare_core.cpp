// The floor for vorlan_cli's start-up: a bare QCoreApplication that puts one request on the line
// of the device path it is given, and ends.
// Usage: vorlan_bare_core DEVICE

#include <QCoreApplication>
#include <QFile>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) return 1;
  QFile port(QString::fromLocal8Bit(argv[1]));
  if (!port.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return 2;
  return port.write("$3#") == 3 ? 0 : 3;
}
