#pragma once
// One tool session against a simulator: the real link, the window's presenter, a fake window.

#include "fake_view.h"
#include "link/discovery/port_names.h"
#include "link/transport/qt_serial_link.h"
#include "simulator.h"
#include "typing.h"
#include "ui/window_presenter.h"

namespace vorlan::test {

// Points COM n at a device path for this process.
inline void PinPort(int n, const QString& path) {
  qputenv(QStringLiteral("VORLAN_COM%1").arg(n).toLatin1().constData(), path.toLocal8Bit());
}

struct Session {
  explicit Session(const LanguageData& language, const QStringList& simOptions = {"--fast"})
      : lang(language), sim(simOptions), view(language), actions(view, link, language) {
    link.setDeviceResolver(DiscoveredDevice);
    // The session takes the receive event; the test counts them on the way.
    link.onComm = [this, take = link.onComm] {
      ++events;
      take();
    };
  }

  // Picks COM1, pinned to the simulator.
  bool open() {
    PinPort(1, sim.path());
    view.port = "COM1";  // the box shows the entry picked
    actions.selectPort("COM1");
    return link.portOpen();
  }

  bool waitForMessages(qsizetype n, int timeoutMs = 5000) {
    return WaitUntil([&] { return view.messages.size() >= n; }, timeoutMs);
  }

  const LanguageData& lang;
  Simulator sim;
  QtSerialLink link;
  FakeView view;
  ui::WindowPresenter actions;
  int events = 0;  // receive events raised
};

}  // namespace vorlan::test
