#pragma once
// One tool session against a simulator: the real link, the real reply handler, a fake window.

#include "fake_view.h"
#include "link/reply_handler.h"
#include "link/serial_port/port_control.h"
#include "link/serial_port/qt_serial_link.h"
#include "simulator.h"

namespace vorlan::test {

// Points COM n at a device path for this process.
inline void PinPort(int n, const QString& path) {
  qputenv(QStringLiteral("VORLAN_COM%1").arg(n).toLatin1().constData(), path.toLocal8Bit());
}

struct Session {
  explicit Session(const LanguageData& language, const QStringList& simOptions = {"--fast"})
      : lang(language), sim(simOptions), link(language), view(language) {
    link.onComm = [this] {
      ++events;
      OnComm(link, view, lang);
    };
    link.onFailure = [this](const QString& message) { view.showMessage(message); };
  }

  // Picks COM1, pinned to the simulator.
  bool open() {
    PinPort(1, sim.path());
    SelectPort(link, view, "COM1");
    return link.portOpen();
  }

  bool waitForMessages(qsizetype n, int timeoutMs = 5000) {
    return WaitUntil([&] { return view.messages.size() >= n; }, timeoutMs);
  }

  const LanguageData& lang;
  Simulator sim;
  QtSerialLink link;
  FakeView view;
  int events = 0;  // receive events raised
};

}  // namespace vorlan::test
