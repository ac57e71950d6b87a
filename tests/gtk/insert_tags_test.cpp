// The Insert-tag command on the real widgets: each click must leave the text exactly as
// the plain reference says, or, when code page 932 cannot carry a character that it would
// have to rewrite, leave everything as it was and name that character.
#include <iconv.h>

#include <algorithm>
#include <cstdio>

#include "app/gtk/stop_dialog.h"
#include "tests/gtk/gtk_fixture.h"

namespace {

using InsertTagsTest = MainWindowTest;

// The text before the click is before + selected + after; the selection is dragged from
// left to right unless reversed.
struct Click {
  const char* name;
  std::string before, selected, after;
  std::string start_tag, end_tag;
  bool reversed;
};

int chars(const std::string& utf8) { return static_cast<int>(g_utf8_strlen(utf8.c_str(), -1)); }

int caret() {
  GtkTextIter at;
  gtk_text_buffer_get_iter_at_mark(text_buffer(), &at, gtk_text_buffer_get_insert(text_buffer()));
  return gtk_text_iter_get_offset(&at);
}

void set_up_click(const Click& c) {
  set_text(control(IDC_TEXT), c.before + c.selected + c.after);
  set_text(control(IDC_START_TAG), c.start_tag);
  set_text(control(IDC_END_TAG), c.end_tag);
  int from = chars(c.before), to = from + chars(c.selected);
  if (c.reversed) std::swap(from, to);
  select_chars(from, to);
}

// Compares two texts, naming the first byte at which they differ.
void expect_same_text(const std::string& expected, const std::string& actual) {
  if (expected == actual) return;
  size_t at = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first -
              expected.begin();
  ADD_FAILURE() << "texts differ from byte " << at << ": expected "
                << hex_bytes(expected.substr(at, 24)) << ", actual "
                << hex_bytes(actual.substr(at, 24));
}

// Clicks and compares the whole text with the reference; the caret ends after the
// insertion, which cannot be undone, and the registry holds just the variables again.
void check_click(const Click& c) {
  SCOPED_TRACE(c.name);
  set_up_click(c);
  click_insert();
  expect_same_text(c.before + c.start_tag + c.selected + c.end_tag + c.after,
                   text_of(control(IDC_TEXT)));
  EXPECT_EQ(chars(c.before + c.start_tag + c.selected + c.end_tag), caret());
  EXPECT_FALSE(gtk_text_buffer_get_has_selection(text_buffer()));
  EXPECT_FALSE(gtk_text_buffer_get_can_undo(text_buffer())) << "the insertion left an undo record";
  EXPECT_EQ(c.start_tag, text_of(control(IDC_START_TAG)));
  EXPECT_EQ(c.end_tag, text_of(control(IDC_END_TAG)));
  EXPECT_EQ("", text_of(control(IDC_MESSAGE_LINE)));
  EXPECT_EQ(string_variables(), live_strings()) << "the command released all that it made";
}

TEST_F(InsertTagsTest, WrapsTheSelection) {
  const Click clicks[] = {
      {"selection in ASCII text", "ab", "cd", "ef", "[", "]", false},
      {"caret only", "abc", "", "def", "[b]", "[/b]", false},
      {"whole text", "", "abcdef", "", "<p>", "</p>", false},
      {"empty text", "", "", "", "<i>", "</i>", false},
      {"empty tags", "ab", "cd", "ef", "", "", false},
      {"dragged right to left", "ab", "cd", "ef", "(", ")", true},
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

TEST_F(InsertTagsTest, TagsAreReadAtEveryClick) {
  check_click({"first click", "abc", "def", "ghi", "<1>", "</1>", false});
  check_click({"second click", "abc<1>", "def", "</1>ghi", "<two>", "</two>", false});
}

// Where the selection or a tag holds a character that code page 932 has no form for, or
// that it gives back as another character, the click changes nothing and says which.
TEST_F(InsertTagsTest, RefusesCharactersThatCodePage932CannotCarry) {
  struct Refusal {
    Click click;
    const char* message;  // the start of the message line
  };
  const Refusal refusals[] = {
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
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.click.name);
    set_up_click(r.click);
    GtkTextIter start, end;
    gtk_text_buffer_get_selection_bounds(text_buffer(), &start, &end);
    int selection[] = {gtk_text_iter_get_offset(&start), gtk_text_iter_get_offset(&end), caret()};
    click_insert();
    expect_same_text(r.click.before + r.click.selected + r.click.after, text_of(control(IDC_TEXT)));
    gtk_text_buffer_get_selection_bounds(text_buffer(), &start, &end);
    EXPECT_EQ(selection[0], gtk_text_iter_get_offset(&start));
    EXPECT_EQ(selection[1], gtk_text_iter_get_offset(&end));
    EXPECT_EQ(selection[2], caret());
    const std::string message = text_of(control(IDC_MESSAGE_LINE));
    EXPECT_EQ(0u, message.find(r.message)) << message;
    EXPECT_EQ(string_variables(), live_strings());
  }
  check_click({"the next good click clears the message", "a", "b", "c", "<", ">", false});
}

// Every character that code page 932 carries and gives back unchanged, found by decoding
// every one- and two-byte sequence, in code order, lines of 64.
std::string every_faithful_character() {
  iconv_t decode = iconv_open("UTF-8", "CP932"), encode = iconv_open("CP932", "UTF-8");
  auto convert = [](iconv_t cd, std::string in) {
    char out[16];
    char *from = &in[0], *to = out;
    size_t in_left = in.size(), out_left = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    bool whole = iconv(cd, &from, &in_left, &to, &out_left) != size_t(-1) && in_left == 0;
    return whole ? std::string(out, size_t(to - out)) : std::string();
  };
  std::string text;
  int on_line = 0;
  for (int code = 1; code < 0x10000; ++code) {
    std::string bytes =
        code < 0x100 ? std::string(1, char(code)) : std::string{char(code >> 8), char(code)};
    if (code == '\r' || code == '\n' || (code >> 8 != 0 && (code & 0xff) < 0x40)) continue;
    std::string utf8 = convert(decode, bytes);
    if (utf8.empty() || g_utf8_strlen(utf8.c_str(), -1) != 1) continue;
    if (convert(decode, convert(encode, utf8)) != utf8) continue;
    text += utf8;
    if (++on_line % 64 == 0) text += "\n";
  }
  iconv_close(decode);
  iconv_close(encode);
  return text;
}

// Hostile input: every such character, single- and double-byte forms side by side, with
// selections at the start, across lines and around the whole text.
TEST_F(InsertTagsTest, KeepsEveryCharacterThatCodePage932Carries) {
  const std::string all = every_faithful_character();
  ASSERT_GT(chars(all), 7000);
  auto at_char = [&](int n) {
    return size_t(g_utf8_offset_to_pointer(all.c_str(), n) - all.c_str());
  };
  const size_t a = at_char(650), b = at_char(5200);
  const Click clicks[] = {
      {"at the start", "", all.substr(0, at_char(65)), all.substr(at_char(65)), "<", ">", false},
      {"across lines", all.substr(0, a), all.substr(a, b - a), all.substr(b), "【", "】", true},
      {"the whole text, no tags", "", all, "", "", "", false},
  };
  for (const Click& c : clicks) check_click(c);
}

// A heap that refuses a block, at the first request of a click or later in it, stops the
// program with exit code 70 after its dialog has shown why, over the insensitive main
// window. The dialog here is read and dismissed by a timer instead of a person.
using InsertTagsDeathTest = MainWindowTest;

void collect_label_texts(GtkWidget* widget, std::string& texts) {
  if (GTK_IS_LABEL(widget)) texts += std::string("[") + gtk_label_get_text(GTK_LABEL(widget)) + "]";
  for (GtkWidget* c = gtk_widget_get_first_child(widget); c; c = gtk_widget_get_next_sibling(c)) {
    collect_label_texts(c, texts);
  }
}

gboolean read_and_dismiss_stop_dialog(gpointer) {
  GListModel* windows = gtk_window_get_toplevels();
  for (guint i = 0; i < g_list_model_get_n_items(windows); ++i) {
    GtkWindow* window = GTK_WINDOW(g_list_model_get_item(windows, i));
    g_object_unref(window);
    if (GTK_WIDGET(window) == g_main_window || !gtk_widget_get_visible(GTK_WIDGET(window)))
      continue;
    std::string texts;
    collect_label_texts(GTK_WIDGET(window), texts);
    std::fprintf(
        stderr, "dialog %s, modal %d, over %s, main window sensitive %d: %s\n",
        gtk_window_get_title(window), gtk_window_get_modal(window),
        gtk_window_get_transient_for(window) == GTK_WINDOW(g_main_window) ? "main" : "none",
        gtk_widget_get_sensitive(g_main_window), texts.c_str());
    std::fflush(stderr);
    gtk_window_close(window);
    return G_SOURCE_REMOVE;
  }
  return G_SOURCE_CONTINUE;
}

TEST_F(InsertTagsDeathTest, StopsInOrderWhenTheHeapRefuses) {
  set_up_click({"", "a", "bcd", "ef", "<b>", "</b>", false});
  for (int64_t allowed : {0, 5, 15}) {
    SCOPED_TRACE(allowed);
    EXPECT_EXIT(
        {
          g_timeout_add(20, read_and_dismiss_stop_dialog, nullptr);
          plat_set_stop_notice(show_stop_dialog);
          plat_heap_refuse_after(allowed);
          click_insert();
        },
        ::testing::ExitedWithCode(kRtFatalExitCode),
        "dialog Morvane, modal 1, over main, main window sensitive 0: \\[Morvane "
        "を続けられないため終了します（str_new: out of memory.*）。"
        "失敗した操作はテキストを変更していません。\\s*"
        "Morvane cannot go on and will close \\(str_new: out of memory.*\\)\\. "
        "The failed command changed no text\\.\\]\\[OK\\]");
  }
}

}  // namespace
