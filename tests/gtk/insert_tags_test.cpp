// The Insert-tag command on the real widgets: each click must leave the text exactly as
// the plain reference says, whatever characters it holds.
#include <algorithm>
#include <cstdio>

#include "app/gtk/stop_dialog.h"
#include "app/gtk/utf8.h"
#include "tests/gtk/gtk_fixture.h"
#include "tests/support/click_support.h"

namespace {

using InsertTagsTest = MainWindowTest;

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

// Sets up the controls and clicks: the whole text must be the reference's, and the caret
// end after the insertion, which cannot be undone.
void check_click(const Click& c) {
  SCOPED_TRACE(c.name);
  set_text(control(IDC_TEXT), c.before + c.selected + c.after);
  set_text(control(IDC_START_TAG), c.start_tag);
  set_text(control(IDC_END_TAG), c.end_tag);
  GtkTextIter from, to;
  gtk_text_buffer_get_iter_at_offset(text_buffer(), &from, chars(c.before));
  gtk_text_buffer_get_iter_at_offset(text_buffer(), &to, chars(c.before + c.selected));
  if (c.reversed) std::swap(from, to);
  gtk_text_buffer_select_range(text_buffer(), &to, &from);
  click_insert();
  expect_same_text(c.before + c.start_tag + c.selected + c.end_tag + c.after,
                   text_of(control(IDC_TEXT)));
  EXPECT_EQ(string_variables(), live_strings()) << "the command released all that it made";
  int end = chars(c.before + c.start_tag + c.selected + c.end_tag);
  EXPECT_EQ((std::vector<int>{end, end, end}), selection());
  EXPECT_FALSE(gtk_text_buffer_get_can_undo(text_buffer())) << "the insertion left an undo record";
}

TEST_F(InsertTagsTest, WrapsTheSelection) {
  for (const Click& c : kAsciiClicks) check_click(c);
  const Click clicks[] = {
      {"across lines", "one\ntw", "o\nthr", "ee\n", "<em>", "</em>", false},
      {"lines that end in CR LF", "one\r\n", "two\r\n", "three", "<p>", "</p>", false},
      {"Japanese text", "日本語の", "テキスト", "です。", "「", "」", false},
      {"mixed widths", "aあｱ", "bいｲc", "うd", "<b>", "</b>", false},
      {"Japanese tags, reversed", "前", "中身", "後", "【", "】", true},
      {"wave dash", "", "10時〜12時", "", "<time>", "</time>", false},
      {"accents and emoji", "Voilà ", "un café 😀", "!", "<em>", "</em>", true},
      {"such characters in the tags", "a", "b", "c", "〜¥", "‖😀", false},
      {"the characters code page 932 gives back as others", "¥‖", "〜−¦", "\u203e¢", "<", ">",
       false},
      {"beyond 16 bits, caret between", "😀", "", "\U0002000b", "[", "]", false},
  };
  for (const Click& c : clicks) check_click(c);
}

// Hostile input: every character of the Basic Multilingual Plane that a GTK text holds and
// one in 64 of the planes beyond, in lines of 64, with selections at the start, across
// lines and around all of it; then 2 MiB of Japanese text.
TEST_F(InsertTagsTest, KeepsEveryCharacter) {
  std::string all;
  char utf8[6];
  for (gunichar c = 1, on_line = 0; c < 0x110000; c += c < 0x10000 ? 1 : 64) {
    if ((c >= 0xd800 && c < 0xe000) || c == '\r' || c == '\n') continue;
    all.append(utf8, size_t(g_unichar_to_utf8(c, utf8)));
    if (++on_line % 64 == 0) all += "\n";
  }
  ASSERT_GT(chars(all), 78000);
  auto at = [&](int n) { return size_t(g_utf8_offset_to_pointer(all.c_str(), n) - all.c_str()); };
  std::string japanese;
  while (japanese.size() < size_t{2} * 1024 * 1024)
    japanese += "いろはにほへと〜ちりぬるを、日本語のテキスト。\n";
  const Click clicks[] = {
      {"at the start", "", all.substr(0, at(65)), all.substr(at(65)), "<", ">", false},
      {"across lines", all.substr(0, at(650)), all.substr(at(650), at(40000) - at(650)),
       all.substr(at(40000)), "【", "】", true},
      {"all of it, no tags", "", all, "", "", "", false},
      {"2 MiB of Japanese", japanese.substr(0, 3000), japanese.substr(3000, 1500000),
       japanese.substr(1503000), "〜", "〜", false},
  };
  for (const Click& c : clicks) check_click(c);
}

// Another toplevel is not taken for the main window.
TEST(StopDialog, ReturnsAtOnceWithoutAMainWindow) {
  ASSERT_EQ(nullptr, main_window());
  GtkWidget* other = gtk_window_new();
  const guint windows = g_list_model_get_n_items(gtk_window_get_toplevels());
  show_stop_dialog("str_new: out of memory");
  EXPECT_EQ(windows, g_list_model_get_n_items(gtk_window_get_toplevels()));
  EXPECT_EQ(nullptr, control(IDC_TEXT)) << "no control without a main window";
  gtk_window_destroy(GTK_WINDOW(other));
}

// The program's own texts are code page 932 bytes, shown in UTF-8; bytes that are not
// code page 932 give nothing.
TEST(FixedTexts, AreConvertedFromCodePage932OrNotAtAll) {
  EXPECT_EQ("タグ挿入", utf8_of_cp932("\x83\x5e\x83\x4f\x91\x7d\x93\xfc"));
  EXPECT_EQ("", utf8_of_cp932("a\x82"));
}

// A heap that refuses a block, at the first request of a click or later in it, stops the
// program with exit code 70 after its dialog has shown why over the insensitive main
// window. The program runs its own start-up, which installs the dialog: one timer clicks
// once the window is up, another reads the dialog and presses its OK, as the person would.
gboolean click_with_a_refusing_heap(gpointer allowed) {
  if (!main_window() || !gtk_widget_get_mapped(GTK_WIDGET(main_window()))) {
    return G_SOURCE_CONTINUE;
  }
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
    if (dialog == main_window()) continue;
    GtkWidget* box = gtk_window_get_child(dialog);
    GtkWidget* label = gtk_widget_get_first_child(box);
    std::fprintf(
        stderr, "dialog %s, modal %d, over the main window %d, which is sensitive %d: [%s]\n",
        gtk_window_get_title(dialog), gtk_window_get_modal(dialog),
        gtk_window_get_transient_for(dialog) == main_window(),
        gtk_widget_get_sensitive(GTK_WIDGET(main_window())), gtk_label_get_text(GTK_LABEL(label)));
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
