// The plug-in's exports as the host calls them, on generated logs of 1,000,
// 10,000 and 100,000 contacts over twelve band labels. Beside each
// operation, in the same run, its floor: one plain pass over the stored
// fields that the operation has to read. Each benchmark reports its time,
// the floor's time and their ratio.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <new>
#include <string>

#include "platform/posix_platform.h"
#include "log/qso_log.h"
#include "plugin/exports.h"
#include "tools/score/adif_reader.h"
#include "tools/score/country_file.h"
#include "tools/score/log_conversion.h"
#include "tools/score/replay.h"
#include "bench/bench_logs.h"

// Every allocation of this program is counted, so that a benchmark can read
// the peak memory of what it stores. The benchmarks run on one thread.
namespace {
std::size_t g_current = 0, g_peak = 0;
}  // namespace

void* operator new(std::size_t size) {
  void* p = std::malloc(size + 16);
  if (!p) throw std::bad_alloc();
  *static_cast<std::size_t*>(p) = size;
  g_current += size;
  if (g_current > g_peak) g_peak = g_current;
  return static_cast<char*>(p) + 16;
}
// The block came from malloc in operator new above.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
  if (!p) return;
  char* block = static_cast<char*>(p) - 16;
  g_current -= *reinterpret_cast<std::size_t*>(block);
  std::free(block);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }

namespace {

namespace fs = std::filesystem;
using namespace kvaro::score;
using Clock = std::chrono::steady_clock;

// The generated log of n contacts as the host would hand it over.
const ReplayPlan& Plan(std::int64_t n) {
  static std::map<std::int64_t, ReplayPlan> plans;
  auto it = plans.find(n);
  if (it != plans.end()) return it->second;
  std::string error;
  const std::optional<AdifLog> log = ReadAdif(kvaro::bench::BenchLogText(n), error);
  if (!log) throw std::runtime_error(error);
  std::optional<Conversion> c = ConvertLog(*log, kvaro::bench::DebianCountries(), {}, error);
  if (!c) throw std::runtime_error(error);
  return plans.emplace(n, std::move(c->plan)).first->second;
}

void Replay(const ReplayPlan& p, bool exportRun = false) {
  ResetNative(p, exportRun);
  for (const ReplayContact& c : p.contacts) AddNative(c);
}

// Runs `op` in the benchmark loop and `floor` a few times beside it; reports
// both and their ratio.
template <typename Op, typename Floor>
void Measure(benchmark::State& state, Op op, Floor floor) {
  double opSeconds = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    op();
    const double s = std::chrono::duration<double>(Clock::now() - t0).count();
    state.SetIterationTime(s);
    opSeconds += s;
  }
  double floorSeconds = 1e300;
  for (int i = 0; i < 5; ++i) {
    const auto t0 = Clock::now();
    floor();
    floorSeconds = std::min(floorSeconds, std::chrono::duration<double>(Clock::now() - t0).count());
  }
  const double mean = opSeconds / static_cast<double>(state.iterations());
  state.counters["floor_us"] = floorSeconds * 1e6;
  state.counters["ratio"] = mean / floorSeconds;
}

std::size_t g_sink = 0;

// The contacts stored as the plug-in stores them, for the floors to read.
const kvaro::QsoLog& Stored(const ReplayPlan& p) {
  static std::map<const ReplayPlan*, kvaro::QsoLog> logs;
  auto [it, added] = logs.try_emplace(&p);
  if (added) {
    for (const ReplayContact& c : p.contacts) {
      it->second.Append({c.call, c.prefix, c.region, c.band, c.mode, c.rstReceived, c.rstSent, c.exchgReceived,
                         c.exchgSent},
                        c.freqHz / 1000, {c.time, COleDateTime::valid});
    }
  }
  return it->second;
}

// The floor of reading some fields of every stored record once.
template <typename Fields>
void PassOverRecords(const ReplayPlan& p, Fields fields) {
  std::size_t sum = 0;
  for (const kvaro::QsoRecord& r : Stored(p)) sum += fields(r);
  g_sink += sum;
  benchmark::DoNotOptimize(g_sink);
}

// ResetStats0, then one AddData0 per contact. Floor: copying the same texts
// once into a buffer, as storing them has to.
void BM_Replay(benchmark::State& state) {
  const ReplayPlan& p = Plan(state.range(0));
  std::string buffer;
  Measure(state, [&] { Replay(p); },
          [&] {
            buffer.clear();
            for (const ReplayContact& c : p.contacts) {
              for (const std::string* t : {&c.call, &c.prefix, &c.region, &c.band, &c.mode, &c.rstReceived,
                                           &c.rstSent, &c.exchgReceived, &c.exchgSent}) {
                buffer.append(*t);
              }
            }
            benchmark::DoNotOptimize(buffer.data());
          });
}

// CheckCall0 for a new call and for a duplicate. Floor: one pass over the
// band, mode, call and prefix of every stored contact, as a walk would read.
void CheckCallBench(benchmark::State& state, bool duplicate) {
  const ReplayPlan& p = Plan(state.range(0));
  Replay(p);
  const ReplayContact& last = p.contacts.back();
  ReplayContact asked = last;
  if (!duplicate) asked.call = "Q9NEW";
  const std::string& call = asked.call;
  Measure(state, [&] { benchmark::DoNotOptimize(CheckNative(asked)); },
          [&] {
            PassOverRecords(p, [&](const kvaro::QsoRecord& r) {
              return std::size_t(r.band() == last.band) + (r.mode() == last.mode) + (r.call() == call) +
                     (r.prefix() == last.prefix);
            });
          });
}
void BM_CheckCallNew(benchmark::State& state) { CheckCallBench(state, false); }
void BM_CheckCallDuplicate(benchmark::State& state) { CheckCallBench(state, true); }

// What the summary has to read: call, band, mode, prefix and region of
// every stored contact.
void SummaryFloor(const ReplayPlan& p) {
  PassOverRecords(p, [](const kvaro::QsoRecord& r) {
    const std::string_view fields[] = {r.call(), r.band(), r.mode(), r.prefix(), r.region()};
    std::size_t sum = 0;
    for (std::string_view f : fields) sum += f.size() + (f.empty() ? 0 : static_cast<unsigned char>(f[0]));
    return sum;
  });
}

// GetResult0 without export. Floor: one pass over the call, band, mode,
// prefix and region of every stored contact.
void BM_GetResult(benchmark::State& state) {
  const ReplayPlan& p = Plan(state.range(0));
  Replay(p);
  int result = 0;
  Measure(state, [&] { benchmark::DoNotOptimize(GetResult0(&result)); },
          [&] { SummaryFloor(p); });
}

// GetResult0 on one band that holds thousands of prefixes and thousands of
// Greek stations: the distinct counts must stay linear. Floor as above.
void BM_GetResultManyPrefixes(benchmark::State& state) {
  static std::map<std::int64_t, ReplayPlan> plans;
  ReplayPlan& p = plans[state.range(0)];
  if (p.contacts.empty()) {
    p = Plan(1000);
    p.contacts.clear();
    for (std::int64_t i = 0; i < state.range(0); ++i) {
      ReplayContact c = Plan(1000).contacts[0];
      c.band = "20";
      c.call = (i % 2 ? "SV" : "X") + std::to_string(i);
      c.prefix = i % 2 ? "SV" : "P" + std::to_string(i);
      p.contacts.push_back(c);
    }
  }
  Replay(p);
  int result = 0;
  Measure(state, [&] { benchmark::DoNotOptimize(GetResult0(&result)); },
          [&] { SummaryFloor(p); });
}

// GetResult0 of an export run: the summary and the whole Cabrillo file.
// Floor: one pass that writes the fields of every contact, one line each,
// into a file.
void BM_GetResultExport(benchmark::State& state) {
  const ReplayPlan& p = Plan(state.range(0));
  Replay(p, true);
  int result = 0;
  std::string lines;
  Measure(state, [&] { benchmark::DoNotOptimize(GetResult0(&result)); },
          [&] {
            lines.clear();
            for (const ReplayContact& c : p.contacts) {
              for (const std::string* t : {&c.call, &c.mode, &c.rstSent, &c.exchgSent, &c.rstReceived, &c.exchgReceived}) {
                lines.append(*t).push_back(' ');
              }
              lines.append("\r\n");
            }
            std::FILE* f = std::fopen("floor.txt", "wb");
            std::fwrite(lines.data(), 1, lines.size(), f);
            std::fclose(f);
          });
}

// Peak memory of replaying the log, per stored contact and beyond its texts.
void BM_MemoryPerContact(benchmark::State& state) {
  const ReplayPlan& p = Plan(state.range(0));
  std::size_t texts = 0;
  for (const ReplayContact& c : p.contacts) {
    texts += c.call.size() + c.prefix.size() + c.region.size() + c.band.size() + c.mode.size() + c.rstReceived.size() +
             c.rstSent.size() + c.exchgReceived.size() + c.exchgSent.size();
  }
  double perContact = 0;
  for (auto _ : state) {
    ResetNative(p, false);  // frees the last log
    const std::size_t before = g_current;
    g_peak = before;
    for (const ReplayContact& c : p.contacts) AddNative(c);
    const std::size_t peak = g_peak - before;
    perContact = (static_cast<double>(peak) - static_cast<double>(texts)) / static_cast<double>(p.contacts.size());
  }
  state.counters["bytes_per_contact"] = perContact;
  state.counters["text_bytes_per_contact"] = static_cast<double>(texts) / static_cast<double>(p.contacts.size());
}

#define KVARO_SIZES ->Arg(1000)->Arg(10000)->Arg(100000)
BENCHMARK(BM_Replay) KVARO_SIZES->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckCallNew) KVARO_SIZES->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckCallDuplicate) KVARO_SIZES->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GetResult) KVARO_SIZES->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetResultManyPrefixes)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetResultExport) KVARO_SIZES->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryPerContact) KVARO_SIZES->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The plug-in writes its files into the current directory, as into the
  // host's: a directory of this run's own, with a Plugins folder.
  const fs::path work = fs::temp_directory_path() / ("kvaro-bench-" + std::to_string(::getpid()));
  fs::create_directories(work / "Plugins");
  fs::current_path(work);
  kvaro::NativePosixPlatform().messageSink = [](const std::string&, const char*) {};
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(work);
  return 0;
}
