// Scoring a whole log natively, as kvaro-score does: reading the ADIF text,
// resolving every call in the country file, and replaying the contacts
// through the exports (ResetStats0, CheckCall0 and AddData0 per contact,
// GetResult0).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_logs.h"
#include "tools/score/adif_reader.h"
#include "tools/score/country_file.h"
#include "tools/score/log_conversion.h"
#include "tools/score/replay.h"

namespace {

using namespace kvaro::score;

void ScoreLog(benchmark::State& state) {
  const std::string text = kvaro::bench::BenchLogText(state.range(0));
  std::size_t contacts = 0;
  for (auto _ : state) {
    std::string error;
    const std::optional<AdifLog> log = ReadAdif(text, error);
    const std::optional<Conversion> conversion = ConvertLog(*log, kvaro::bench::DebianCountries(), {}, error);
    const ReplayOutcome outcome = ReplayNative(conversion->plan);
    benchmark::DoNotOptimize(outcome.summary.data());
    contacts = conversion->plan.contacts.size();
  }
  state.counters["contacts"] = static_cast<double>(contacts);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * contacts));
}
BENCHMARK(ScoreLog)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
