// The GTK program's Insert-tag command on the real main window: its time on a 60 KiB text
// with a 30 KiB selection against setting and reading back the same text, then the
// registry and the resident memory of the process after 10,000 clicks in a row. Needs a
// display. Prints what it measured, the ratio from this run. Each timed run starts with
// the main loop done with what the last one queued, as between two clicks in the program;
// twenty runs a repetition, as each waits for the text's layout to be made.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/core/layout.h"
#include "app/core/string_variables.h"
#include "app/gtk/app_main.h"
#include "bench/ratio_reporter.h"
#include "tests/gtk/controls.h"

namespace {

constexpr size_t kKiB = 1024;

GtkTextBuffer* buffer() { return gtk_text_view_get_buffer(GTK_TEXT_VIEW(control(IDC_TEXT))); }

void click() { g_signal_emit_by_name(control(IDC_INSERT), "clicked"); }

// Selects the characters from first to last (exclusive).
void select(int first, int last) {
  GtkTextIter a, b;
  gtk_text_buffer_get_iter_at_offset(buffer(), &a, first);
  gtk_text_buffer_get_iter_at_offset(buffer(), &b, last);
  gtk_text_buffer_select_range(buffer(), &b, &a);
}

// Lines of ASCII and Japanese, 60 KiB as the Windows program holds them (a Japanese
// character takes two bytes of code page 932 there); the character offsets at which 15
// and 45 KiB of it are reached.
struct Text {
  std::string utf8;
  int selection_first = 0, selection_last = 0;
};

Text make_text() {
  const std::string line = "The quick brown fox いろはにほへと 0123456789 ちりぬるを\n";
  Text t;
  size_t bytes = 0;
  int chars = 0;
  while (bytes < 60 * kKiB) {
    for (const char* p = line.c_str(); *p && bytes < 60 * kKiB; p = g_utf8_next_char(p)) {
      t.utf8.append(p, size_t(g_utf8_next_char(p) - p));
      bytes += static_cast<unsigned char>(*p) < 0x80 ? 1 : 2;
      ++chars;
      if (bytes <= 15 * kKiB) t.selection_first = chars;
      if (bytes <= 45 * kKiB) t.selection_last = chars;
    }
  }
  return t;
}

const Text& text() {
  static const Text t = make_text();
  return t;
}

// Runs the main loop until it has nothing left to do: what GTK queues there (drawing, the
// selection's clipboard, the display's events) runs between two clicks in the program.
void run_main_loop() {
  while (g_main_context_iteration(nullptr, FALSE)) {
  }
}

void BM_SetAndReadText60KiB(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    run_main_loop();
    state.ResumeTiming();
    gtk_text_buffer_set_text(buffer(), text().utf8.data(), int(text().utf8.size()));
    GtkTextIter begin, end;
    gtk_text_buffer_get_bounds(buffer(), &begin, &end);
    char* back = gtk_text_buffer_get_text(buffer(), &begin, &end, TRUE);
    benchmark::DoNotOptimize(back);
    g_free(back);
  }
}
BENCHMARK(BM_SetAndReadText60KiB)->Iterations(20);

void BM_Click60KiB(benchmark::State& state) {
  gtk_editable_set_text(GTK_EDITABLE(control(IDC_START_TAG)), "<b>");
  gtk_editable_set_text(GTK_EDITABLE(control(IDC_END_TAG)), "</b>");
  for (auto _ : state) {
    state.PauseTiming();
    gtk_text_buffer_set_text(buffer(), text().utf8.data(), int(text().utf8.size()));
    select(text().selection_first, text().selection_last);
    run_main_loop();
    state.ResumeTiming();
    click();
  }
}
BENCHMARK(BM_Click60KiB)->Iterations(20);

long resident_kib() {
  char line[128] = {};
  FILE* statm = std::fopen("/proc/self/statm", "r");
  if (!statm) return 0;
  const bool read = std::fgets(line, sizeof line, statm) != nullptr;
  std::fclose(statm);
  char* resident = line;
  std::strtol(line, &resident, 10);  // the first field is the whole size
  return read ? std::strtol(resident, nullptr, 10) * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

// 10,000 clicks on a short text, put back every time so that only the command's own
// memory could grow. The main loop runs between the clicks, as it does in the program:
// GTK does the drawing and selection work that each change queues there.
void measure_clicks() {
  gtk_editable_set_text(GTK_EDITABLE(control(IDC_START_TAG)), "[");
  gtk_editable_set_text(GTK_EDITABLE(control(IDC_END_TAG)), "]");
  auto click_on_short_text = [] {
    gtk_text_buffer_set_text(buffer(), "abcdef", -1);
    select(2, 4);
    click();
    run_main_loop();
  };
  for (int i = 0; i < 200; ++i) click_on_short_text();
  long before = resident_kib();
  for (int i = 0; i < 10000; ++i) click_on_short_text();
  long after = resident_kib();
  std::printf(
      "10,000 clicks: registry holds %d strings (expected %d); resident memory %ld KiB before, "
      "%ld KiB after: %+ld KiB (target under 1024 KiB)\n",
      rt_registry().count, kStringVariableCount, before, after, after - before);
}

// Sets each NAME=value of the headless environment before GTK starts.
void set_headless_environment() {
  for (const std::string setting : {MORVANE_HEADLESS_GTK_ENV}) {
    const size_t eq = setting.find('=');
    setenv(setting.substr(0, eq).c_str(), setting.substr(eq + 1).c_str(), 1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  set_headless_environment();
  rt_init();
  init_string_variables();
  if (!gtk_init_check()) {
    std::fprintf(stderr, "gtk_bench: cannot open the display; it needs one\n");
    return 1;
  }
  GtkApplication* application = create_application();
  g_application_register(G_APPLICATION(application), nullptr, nullptr);
  g_application_activate(G_APPLICATION(application));
  initialize_benchmarks(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.print_ratio("click 60 KiB / set+read text 60 KiB", "BM_Click60KiB/iterations:20",
                       "BM_SetAndReadText60KiB/iterations:20", 1.5);
  measure_clicks();
  benchmark::Shutdown();
  return rt_registry().count == kStringVariableCount ? 0 : 1;
}
