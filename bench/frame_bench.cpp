// Per-call cost of building the write frame and of handling a full read-back.

#include <benchmark/benchmark.h>

#include "answer.h"
#include "fake_view.h"
#include "link/write_frame.h"
#include "memory_link.h"
#include "params/presets.h"
#include "ui/lang/en/en_language.h"
#include "ui/window_presenter.h"

namespace vorlan {
namespace {

void BM_BuildWriteFrame(benchmark::State& state) {
  ParameterSet params = InitialParameters(state.range(0) ? kAsiaServers : kRotateServers);
  params.setText(Field::BeaconText, QString::fromUtf8("北京市海淀区 APRS 信标"));
  for (auto _ : state) {
    benchmark::DoNotOptimize(BuildWriteFrame(params));
  }
}
BENCHMARK(BM_BuildWriteFrame)->Arg(0)->Arg(1);

void BM_CheckWriteFrame(benchmark::State& state) {
  const ParameterSet params = InitialParameters(kRotateServers);
  for (auto _ : state) {
    benchmark::DoNotOptimize(CheckWriteFrame(params));
  }
}
BENCHMARK(BM_CheckWriteFrame);

QByteArray SampleReadBack() {
  QByteArray reply = "$1";
  reply += "0110001111000000";  // flags
  reply += "NOGROU4802710003040302300.00N11300.00E144.640144.3900000";
  reply +=
      "1[xxx1020"
      "50713"
      "xxxxxxxxxx";
  reply += QByteArray("NOCALL-9").leftJustified(12, ' ');
  reply += QByteArray("WIDE1-1,WIDE2-1").leftJustified(20, ' ');
  reply += QByteArray("VORLAN").leftJustified(64, ' ');
  for (int i = 0; i < 5; ++i) reply += QByteArray(16, ' ');
  reply += QByteArray("rotate.aprs2.net:14580").leftJustified(32, ' ');
  reply += QByteArray(32, ' ') + QByteArray(16, ' ');
  reply += QByteArray("m/50").leftJustified(48, ' ');
  return reply.leftJustified(412, ' ');
}

void BM_HandleReadBack(benchmark::State& state) {
  const LanguageData& lang = EnglishLanguage();
  const QByteArray reply = SampleReadBack();
  test::MemoryLink link;
  test::FakeView view(lang);
  ui::WindowPresenter actions(view, link, lang);
  for (auto _ : state) {
    view.messages.clear();
    test::Answer(actions, link, reply);
  }
  if (view.messages.value(0) != "NOCALL-9     Read correct!")
    state.SkipWithError("unexpected reply");
}
BENCHMARK(BM_HandleReadBack);

}  // namespace
}  // namespace vorlan

BENCHMARK_MAIN();
