// Feeds the window's receive handling any byte stream, with any event kind and any armed
// threshold. The first two bytes choose the event kind and the build; the rest is what the port
// buffered.

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

#include "event_loop.h"
#include "fake_view.h"
#include "link/protocol.h"
#include "memory_link.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"
#include "ui/window_presenter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlan;
  if (size < 2) return 0;
  const int eventKind = data[0] % 8;
  const LanguageData& lang = (data[1] & 1) ? ChineseLanguage() : EnglishLanguage();

  // The window's session sends from the event loop.
  static int argc = 1;
  static char name[] = "vorlan_fuzz_reply";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);

  test::MemoryLink link;
  test::FakeView view(lang);
  ui::WindowPresenter actions(view, link, lang);
  const int threshold = 1 + data[1] / 2;
  actions.session().start(Request{{}, threshold});
  if (!test::WaitUntil([&] { return link.threshold == threshold; })) __builtin_trap();
  link.event = eventKind;
  link.inBuffer =
      QByteArray(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
  const auto before = link.inBuffer.size();

  link.onComm();

  // It never reads more than a read-back, shows at most one message, disarms the threshold
  // whenever it acted on a receive event, and changes the window only with a whole read-back.
  const auto consumed = before - link.inBuffer.size();
  if (consumed > kReadBackLength) __builtin_trap();
  if (view.messages.size() > 1) __builtin_trap();
  if (view.shown > 1 || (view.shown == 1 && consumed != kReadBackLength)) __builtin_trap();
  if (eventKind == kCommEventReceive && link.threshold != 0) __builtin_trap();
  if (eventKind != kCommEventReceive && (!view.messages.isEmpty() || consumed != 0))
    __builtin_trap();
  return 0;
}
