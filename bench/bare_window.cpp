// The floor for start-up time and memory: an empty Qt window that reports when it is first shown,
// the same way the setup programs do under VORLAN_EXIT_WHEN_SHOWN.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(678, 461);
  window.show();
  QTimer::singleShot(0, &app, [&] {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("shown %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
    app.quit();
  });
  return app.exec();
}
