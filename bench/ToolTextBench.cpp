// `kmvtool text` on a 50 MB project of polygons, as a user runs it, against
// one from_chars pass over the numbers of the same text. Both are timed as
// CPU time (the tool's user and system time), so that other work on the
// machine counts in neither. The counter share_of_from_chars is the tool's
// speed as a share of the pass. KMVTOOL names another build of the tool to
// compare with.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Polygons of 200 vertices each: a project that is mostly numbers.
std::string MakePolygonProject(int megabytes)
{
  const size_t target = static_cast<size_t>(megabytes) << 20;
  std::string text = "begin-sim-data Projekt  _ 1 1 0 ";
  char number[32];
  for (int polygon = 0; text.size() < target; ++polygon) {
    text += "\npolygon Fl\xE4"
            "che_" +
            std::to_string(polygon) + " Projekt _ 1 1 ";
    for (double colour : {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.86, 0.84, 0.78, 0.0, 0.0, 0.0})
      text += std::string(number, static_cast<size_t>(std::snprintf(number, sizeof number, "%.15e ", colour)));
    text += "1 1 0 200 ";
    for (int i = 0; i < 600; ++i) {
      double value = std::fmod(polygon * 0.731 + i * 0.0137, 97.0) - 40.0;
      text += std::string(number, static_cast<size_t>(std::snprintf(number, sizeof number, "%.15e ", value)));
    }
  }
  text += "\nend-sim-data";
  return text;
}

// Every word that starts like a number, parsed; the sum keeps the work.
double FromCharsPass(const std::string& text)
{
  double sum = 0.0;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    if (*p == '-' || (*p >= '0' && *p <= '9')) {
      double value = 0.0;
      auto [next, ec] = std::from_chars(p, end, value);
      if (ec == std::errc()) {
        sum += value;
        p = next;
      }
    }
    while (p < end && *p != ' ' && *p != '\n')
      ++p;
    while (p < end && (*p == ' ' || *p == '\n'))
      ++p;
  }
  return sum;
}

double ChildrenCpuSeconds()
{
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double OwnCpuSeconds()
{
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void BM_KmvtoolText(benchmark::State& state)
{
  const std::string text = MakePolygonProject(static_cast<int>(state.range(0)));
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("kmv-text-bench-" + std::to_string(::getpid()) + ".txt");
  std::ofstream(path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
  const char* other = std::getenv("KMVTOOL");
  const std::string command =
      std::string(other && *other ? other : KMVTOOL_PATH) + " text '" + path.string() + "' >/dev/null";
  double toolSeconds = 0.0;
  double passSeconds = 0.0;
  for (auto _ : state) {
    double before = ChildrenCpuSeconds();
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("kmvtool text failed");
      break;
    }
    double tool = ChildrenCpuSeconds() - before;
    double passStart = OwnCpuSeconds();
    benchmark::DoNotOptimize(FromCharsPass(text));
    passSeconds += OwnCpuSeconds() - passStart;
    toolSeconds += tool;
    state.SetIterationTime(tool);
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["share_of_from_chars"] = toolSeconds > 0.0 ? passSeconds / toolSeconds : 0.0;
}

} // namespace

BENCHMARK(BM_KmvtoolText)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
