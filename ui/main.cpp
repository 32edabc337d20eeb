// The program: one window over the real serial port, in the language it was built with; with
// --demo over the device simulator.

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>

#include "link/device_text.h"
#include "link/discovery/port_names.h"
#include "link/transport/system_serial_link.h"
#include "program_identity.h"
#include "ui/build_data.h"
#include "ui/command_line.h"
#include "ui/demo_mode.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/qt_translations.h"

int main(int argc, char* argv[]) {
  QApplication::setApplicationName(QString::fromUtf8(vorlan::identity::kInternalName));
  QApplication::setApplicationVersion(QString::fromUtf8(vorlan::identity::kFileVersion));
  const vorlan::ui::BuildData build = vorlan::ui::ThisBuild();
  const auto command = vorlan::ui::ParseCommandLine(argc, argv, build.language);

  QApplication app(argc, argv);
  QApplication::setOrganizationName(QString::fromUtf8(vorlan::identity::kCompanyName));
  QGuiApplication::setDesktopFileName(QString::fromUtf8(vorlan::identity::kInternalName));
  vorlan::ui::InstallFontSubstitutes();
  vorlan::ui::UseBuildLanguage(build.language);

  vorlan::ui::DemoDevice demo;  // declared before the link: the port closes before it ends
  if (command.demo && !vorlan::ui::StartDemo(demo, build.language)) return 1;
  vorlan::SystemSerialLink link;
  link.setDeviceResolver(vorlan::DiscoveredDevice);
  vorlan::ui::MainWindow window(link, build.language, build.layout);
  // Setting up several trackers: a link of the same kind for each port.
  vorlan::ui::ProvisionSetup provision;
  provision.links = [] {
    auto port = std::make_unique<vorlan::SystemSerialLink>();
    port->setDeviceResolver(vorlan::DiscoveredDevice);
    return port;
  };
  window.setProvisionSetup(provision);
  window.show();
  if (!vorlan::DeviceTextAvailable()) window.showMessage(vorlan::Text(build.language.noTextCodec));
  if (qEnvironmentVariableIsSet("VORLAN_EXIT_WHEN_SHOWN")) {
    // The start-up benchmark: say when the window is first shown, then end.
    QTimer::singleShot(0, &app, [] {
      // The steady clock, in nanoseconds: the benchmark reads the same clock before it starts us.
      const auto now = std::chrono::steady_clock::now().time_since_epoch();
      std::printf("shown %lld\n",
                  static_cast<long long>(
                      std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
      std::fflush(stdout);
      QApplication::quit();
    });
  }
  return QApplication::exec();
}
