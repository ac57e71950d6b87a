// The Insert-tag command on the real widgets: each click must leave the text exactly as
// the plain reference says, or, when code page 932 cannot carry a character that it would
// have to rewrite, leave everything as it was and name that character.
#include <algorithm>
#include <cstdio>

#include "app/gtk/stop_dialog.h"
#include "app/gtk/utf8.h"
#include "tests/gtk/gtk_fixture.h"
#include "tests/support/click_support.h"

namespace {

using TextCommandTest = MainWindowTest;

int chars(const std::string& utf8) { return int(g_utf8_strlen(utf8.c_str(), -1)); }

// The selection bounds and the caret, in characters.
std::vector<int> selection() {
  GtkTextIter start, end, caret;
  gtk_text_buffer_get_selection_bounds(text_buffer(), &start, &end);
  gtk_text_buffer_get_iter_at_mark(text_buffer(), &caret,
                                   gtk_text_buffer_get_insert(text_buffer()));
  return {gtk_text_iter_get_offset(&start), gtk_text_iter_get_offset(&end),
          gtk_text_iter_get_offset(&caret)};
}

// Sets up the controls, clicks, and compares the whole text with expected.
void click(const Click& c, const std::string& expected) {
  set_text(control(IDC_TEXT), c.before + c.selected + c.after);
  set_text(control(IDC_START_TAG), c.start_tag);
  set_text(control(IDC_END_TAG), c.end_tag);
  GtkTextIter from, to;
  gtk_text_buffer_get_iter_at_offset(text_buffer(), &from, chars(c.before));
  gtk_text_buffer_get_iter_at_offset(text_buffer(), &to, chars(c.before + c.selected));
  if (c.reversed) std::swap(from, to);
  gtk_text_buffer_select_range(text_buffer(), &to, &from);
  click_insert();
  expect_same_text(expected, text_of(control(IDC_TEXT)));
  EXPECT_EQ(string_variables(), live_strings()) << "the command released all that it made";
}

// The caret ends after the insertion, which cannot be undone.
void check_click(const Click& c) {
  SCOPED_TRACE(c.name);
  click(c, c.before + c.start_tag + c.selected + c.end_tag + c.after);
  int end = chars(c.before + c.start_tag + c.selected + c.end_tag);
  EXPECT_EQ((std::vector<int>{end, end, end}), selection());
  EXPECT_FALSE(gtk_text_buffer_get_can_undo(text_buffer())) << "the insertion left an undo record";
  EXPECT_EQ("", text_of(control(IDC_MESSAGE_LINE)));
}

TEST_F(TextCommandTest, WrapsTheSelection) {
  for (const Click& c : kAsciiClicks) check_click(c);
  const Click clicks[] = {
      {"across lines", "one\ntw", "o\nthr", "ee\n", "<em>", "</em>", false},
      {"lines that end in CR LF", "one\r\n", "two\r\n", "three", "<p>", "</p>", false},
      {"Japanese text", "日本語の", "テキスト", "です。", "「", "」", false},
      {"mixed widths", "aあｱ", "bいｲc", "うd", "<b>", "</b>", false},
      {"Japanese tags, reversed", "前", "中身", "後", "【", "】", true},
      {"trail byte 0x5c", "表", "ソ能", "\\", "<", ">", false},
      // Outside the selection these stay exactly as they are.
      {"characters code page 932 cannot carry, outside", "¥‖〜−¦é😀", "選択",
       "\u203e¢\U0002000b\u00a0", "<", ">", false},
      {"caret beside such characters", "😀", "", "〜", "[", "]", false},
  };
  for (const Click& c : clicks) check_click(c);
}

// Where the selection or a tag holds a character that code page 932 has no form for, or
// gives back as another character, the click changes nothing and says which.
TEST_F(TextCommandTest, RefusesCharactersThatCodePage932CannotCarry) {
  const std::pair<Click, const char*> refusals[] = {
      {{"yen sign", "a", "b¥c", "d", "<", ">", false}, "選択範囲の「¥」(U+00A5)"},
      {{"overline", "", "\u203e", "", "<", ">", false}, "選択範囲の「\u203e」(U+203E)"},
      {{"double vertical line", "x", "‖", "y", "<", ">", true}, "選択範囲の「‖」(U+2016)"},
      {{"wave dash", "", "1〜2", "", "<", ">", false}, "選択範囲の「〜」(U+301C)"},
      {{"minus sign", "", "−1", "", "<", ">", false}, "選択範囲の「−」(U+2212)"},
      {{"broken bar", "", "¦", "", "<", ">", false}, "選択範囲の「¦」(U+00A6)"},
      {{"accented letter", "", "café", "", "<", ">", false}, "選択範囲の「é」(U+00E9)"},
      {{"beyond 16 bits", "", "a😀", "", "<", ">", false}, "選択範囲の「😀」(U+1F600)"},
      {{"in the start tag", "a", "b", "c", "<¥>", ">", false}, "開始タグの「¥」(U+00A5)"},
      {{"in the end tag", "a", "b", "c", "<", "〜>", false}, "終了タグの「〜」(U+301C)"},
      {{"first of several", "‖", "é", "¦", "¥", "", false}, "開始タグの「¥」(U+00A5)"},
  };
  for (const auto& r : refusals) {
    SCOPED_TRACE(r.first.name);
    int from = chars(r.first.before), to = from + chars(r.first.selected);
    click(r.first, r.first.before + r.first.selected + r.first.after);
    EXPECT_EQ((std::vector<int>{from, to, r.first.reversed ? from : to}), selection());
    const std::string message = text_of(control(IDC_MESSAGE_LINE));
    EXPECT_EQ(0u, message.find(r.second)) << message;
  }
  check_click({"the next good click clears the message", "a", "b", "c", "<", ">", false});
}

// Hostile input: every character that code page 932 carries and gives back unchanged,
// found by decoding each one- and two-byte sequence, single- and double-byte forms side by
// side in lines of 64, with selections at the start, across lines and around all of it.
TEST_F(TextCommandTest, KeepsEveryCharacterThatCodePage932Carries) {
  std::string all;
  for (int code = 1, on_line = 0; code < 0x10000; ++code) {
    std::string bytes =
        code < 0x100 ? std::string(1, char(code)) : std::string{char(code >> 8), char(code)};
    gchar* utf8 =
        g_convert(bytes.data(), gssize(bytes.size()), "UTF-8", "CP932", nullptr, nullptr, nullptr);
    gchar* back = utf8 ? g_convert(utf8, -1, "CP932", "UTF-8", nullptr, nullptr, nullptr) : nullptr;
    gchar* again =
        back ? g_convert(back, -1, "UTF-8", "CP932", nullptr, nullptr, nullptr) : nullptr;
    if (again && g_utf8_strlen(utf8, -1) == 1 && std::string(utf8) == again && code != '\r' &&
        code != '\n') {
      all += utf8;
      if (++on_line % 64 == 0) all += "\n";
    }
    for (gchar* s : {utf8, back, again}) g_free(s);
  }
  ASSERT_GT(chars(all), 7000);
  auto at = [&](int n) { return size_t(g_utf8_offset_to_pointer(all.c_str(), n) - all.c_str()); };
  const Click clicks[] = {
      {"at the start", "", all.substr(0, at(65)), all.substr(at(65)), "<", ">", false},
      {"across lines", all.substr(0, at(650)), all.substr(at(650), at(5200) - at(650)),
       all.substr(at(5200)), "【", "】", true},
      {"all of it, no tags", "", all, "", "", "", false},
  };
  for (const Click& c : clicks) check_click(c);
}

// The GTK program's edge writes code page 932 as UTF-8 into a buffer of its size only when
// all of it fits with its NUL, and only when it is code page 932 made of the table's
// characters: for the stop notice, which may not allocate.
TEST(Utf8Edge, WritesCodePage932IntoItsBufferOrNothing) {
  const struct {
    std::string cp932;
    size_t size;
    ptrdiff_t written;
  } cases[] = {{cp932("aｱ日"), 8, 7}, {cp932("aｱ日"), 7, -1}, {"", 1, 0},
               {"", 0, -1},           {"a\x80", 8, -1},       {"\x82", 8, -1}};
  for (const auto& c : cases) {
    char out[8];
    EXPECT_EQ(c.written, utf8_from_cp932(c.cp932.data(), c.cp932.size(), out, c.size))
        << hex_bytes(c.cp932) << " into " << c.size << " bytes";
    if (c.written >= 0) {
      EXPECT_EQ(cp932(out), c.cp932);
    }
  }
}

// Before the display is open, or once the window is gone, the stop has nothing to show
// its dialog over: it returns at once, making no window.
TEST(StopDialog, ReturnsAtOnceWithoutAMainWindow) {
  ASSERT_EQ(nullptr, g_main_window);
  const guint windows = g_list_model_get_n_items(gtk_window_get_toplevels());
  show_stop_dialog("str_new: out of memory");
  EXPECT_EQ(windows, g_list_model_get_n_items(gtk_window_get_toplevels()));
  EXPECT_EQ(nullptr, control(IDC_TEXT)) << "no control without a main window";
}

// A heap that refuses a block, at the first request of a click or later in it, stops the
// program with exit code 70 after its dialog has shown why over the insensitive main
// window. The program runs its own start-up, which installs the dialog: one timer clicks
// once the window is up, another reads the dialog and presses its OK, as the person would.
gboolean click_with_a_refusing_heap(gpointer allowed) {
  if (!g_main_window || !gtk_widget_get_mapped(g_main_window)) return G_SOURCE_CONTINUE;
  set_text(control(IDC_TEXT), "abcdef");
  plat_heap_refuse_after(*static_cast<int64_t*>(allowed));
  click_insert();
  return G_SOURCE_REMOVE;
}

gboolean read_stop_dialog_and_press_ok(gpointer) {
  GListModel* windows = gtk_window_get_toplevels();
  for (guint i = 0; i < g_list_model_get_n_items(windows); ++i) {
    GtkWindow* dialog = GTK_WINDOW(g_list_model_get_item(windows, i));
    g_object_unref(dialog);
    if (GTK_WIDGET(dialog) == g_main_window) continue;
    GtkWidget* box = gtk_window_get_child(dialog);
    GtkWidget* label = gtk_widget_get_first_child(box);
    std::fprintf(stderr,
                 "dialog %s, modal %d, over the main window %d, which is sensitive %d: [%s]\n",
                 gtk_window_get_title(dialog), gtk_window_get_modal(dialog),
                 gtk_window_get_transient_for(dialog) == GTK_WINDOW(g_main_window),
                 gtk_widget_get_sensitive(g_main_window), gtk_label_get_text(GTK_LABEL(label)));
    g_signal_emit_by_name(gtk_widget_get_last_child(box), "clicked");
    return G_SOURCE_REMOVE;
  }
  return G_SOURCE_CONTINUE;
}

TEST(StartUpDeathTest, StopsWithItsDialogWhenTheHeapRefuses) {
  for (int64_t allowed : {0, 5, 15}) {
    SCOPED_TRACE(allowed);
    EXPECT_EXIT(
        {
          g_timeout_add(20, click_with_a_refusing_heap, &allowed);
          g_timeout_add(20, read_stop_dialog_and_press_ok, nullptr);
          app_main();
        },
        ::testing::ExitedWithCode(kRtFatalExitCode),
        "dialog Morvane, modal 1, over the main window 1, which is sensitive 0: \\[Morvane "
        "を続けられないため終了します（str_new: out of memory.*）。"
        "失敗した操作はテキストを変更していません。\\s*"
        "Morvane cannot go on and will close \\(str_new: out of memory.*\\)\\. "
        "The failed command changed no text\\.\\]");
  }
}

}  // namespace
