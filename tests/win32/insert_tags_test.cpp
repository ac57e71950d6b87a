// The Insert-tag command on the real controls: each click must leave the text exactly
// as the plain reference says, with no byte lost or changed outside the selection.
#include <cstdio>

#include "app/win32/stop_box.h"
#include "tests/support/click_support.h"
#include "tests/support/import_hook.h"
#include "tests/support/trace.h"
#include "tests/win32/app_fixture.h"
#include "tests/win32/byte_edit.h"
#include "tests/win32/system_trace.h"

namespace {

// Every click test runs on the system's edit, which under Wine counts positions in
// characters, and on one that counts them in bytes as Windows' ANSI edit does.
enum class Edit { kSystem, kBytes };

class InsertTagsTest : public MainWindowTest, public ::testing::WithParamInterface<Edit> {
 protected:
  void SetUp() override {
    if (GetParam() == Edit::kBytes) {
      ASSERT_TRUE(register_byte_edit()) << "the system's edit can be superclassed";
    }
    MainWindowTest::SetUp();
    if (GetParam() != Edit::kBytes) return;
    set_text(child(IDC_TEXT), cp932("あa"));
    SendMessageA(child(IDC_TEXT), EM_SETSEL, 0, -1);
    DWORD end = 0;
    SendMessageA(child(IDC_TEXT), EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    ASSERT_EQ(3u, end) << "the main window's text edit counts bytes";
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    if (GetParam() == Edit::kBytes) unregister_byte_edit();
  }
};
INSTANTIATE_TEST_SUITE_P(Edits, InsertTagsTest, ::testing::Values(Edit::kSystem, Edit::kBytes),
                         [](const auto& edit) {
                           return edit.param == Edit::kBytes ? "CountingBytes" : "System";
                         });

// Sets up the controls, clicks, and compares the whole text with the reference.
void check_click(const Click& c) {
  SCOPED_TRACE(c.name);
  const std::string text = c.before + c.selected + c.after;
  set_text(child(IDC_TEXT), text);
  set_text(child(IDC_START_TAG), c.start_tag);
  set_text(child(IDC_END_TAG), c.end_tag);
  int32_t from = int32_t(c.before.size()), to = from + int32_t(c.selected.size());
  if (c.reversed) std::swap(from, to);
  select_bytes(from, to);

  click_insert();

  const std::string expected = c.before + c.start_tag + c.selected + c.end_tag + c.after;
  expect_same_text(expected, window_text(child(IDC_TEXT)));
  EXPECT_EQ(c.start_tag, window_text(child(IDC_START_TAG)));
  EXPECT_EQ(c.end_tag, window_text(child(IDC_END_TAG)));
  EXPECT_EQ(string_variables(), live_strings()) << "the command released all that it made";
}

// Lines of ordinary length: Wine's edit control is slow on one long line.
std::string lines(const std::string& line, size_t bytes) {
  std::string text;
  while (text.size() + line.size() + 2 <= bytes) text += line + "\r\n";
  return text + std::string(bytes - text.size(), 'z');
}

TEST_P(InsertTagsTest, WrapsTheSelection) {
  for (const Click& c : kAsciiClicks) check_click(c);
  const std::string jp = cp932("日本語の");
  const Click clicks[] = {
      {"across lines", "one\r\ntw", "o\r\nthr", "ee\r\n", "<em>", "</em>", false},
      {"Japanese text", jp, cp932("テキスト"), cp932("です。"), cp932("「"), cp932("」"), false},
      {"caret in Japanese text, no tags", jp, "", cp932("です。"), "", "", false},
      {"mixed widths", cp932("aあ"), cp932("bいc"), cp932("うd"), "<b>", "</b>", false},
      {"Japanese tags, reversed", cp932("前"), cp932("中身"), cp932("後"), cp932("【"), cp932("】"),
       true},
      {"trail byte 0x5c", cp932("表"), cp932("ソ能"), "\\", "<", ">", false},
  };
  for (const Click& c : clicks) check_click(c);
}

// One click against the one table: each control looked up at each use, the messages with
// their parameters, the strings made and released in order, the Windows command's own
// steps, and the procedure's result.
TEST_P(InsertTagsTest, TracesAClick) {
  set_text(child(IDC_TEXT), "abcdef");
  set_text(child(IDC_START_TAG), "[");
  set_text(child(IDC_END_TAG), "]");
  select_bytes(2, 4);
  std::vector<std::string> expected = {
      "SendMessageA(child 1001, BM_CLICK, 0, 0)",
      "new(0) #1", "new(0) #2", "new(0) #3", "new(0) #4",
      "GetDlgItem(main, 1002)", "SendMessageA(child 1002, WM_GETTEXTLENGTH, 0, 0)", "new(1) #5",
      "SendMessageA(child 1002, WM_GETTEXT, 2, #5)", "new(1) #6", "free #5", "free #1",
      "GetDlgItem(main, 1003)", "SendMessageA(child 1003, WM_GETTEXTLENGTH, 0, 0)", "new(1) #7",
      "SendMessageA(child 1003, WM_GETTEXT, 2, #7)", "new(1) #8", "free #7", "free #2",
      "GetDlgItem(main, 1000)", "SendMessageA(child 1000, EM_GETSEL, address, address)",
      "GetDlgItem(main, 1000)", "SendMessageA(child 1000, WM_GETTEXTLENGTH, 0, 0)", "new(6) #9",
      "SendMessageA(child 1000, WM_GETTEXT, 7, #9)", "new(6) #10", "free #9", "free #3",
      // Whether the edit counts characters: its own length of the text.
      "SendMessageA(child 1000, EM_GETLINECOUNT, 0, 0)",
      "SendMessageA(child 1000, EM_LINEINDEX, 0, 0)",
      "SendMessageA(child 1000, EM_LINELENGTH, 0, 0)"};
  expected.insert(expected.end(), kWrapSelectionTrace.begin(), kWrapSelectionTrace.end());
  expected.insert(expected.end(),
                  {"free #4", "GetDlgItem(main, 1000)",
                   "SendMessageA(child 1000, EM_GETLIMITTEXT, 0, 0)",
                   "SendMessageA(child 1000, EM_REPLACESEL, 0, #21)",
                   // The edit's notifications, EN_UPDATE and EN_CHANGE, come and do nothing.
                   "main_wnd_proc(WM_COMMAND 1000 1024) -> 0",
                   "main_wnd_proc(WM_COMMAND 1000 768) -> 0", "free #6", "free #8", "free #10",
                   "free #21", "main_wnd_proc(WM_COMMAND 1001 0) -> 0"});
  HWND button = child(IDC_INSERT);
  start_system_trace();
  SendMessageA(button, BM_CLICK, 0, 0);
  expect_trace(expected, take_trace());
  EXPECT_EQ("ab[cd]ef", window_text(child(IDC_TEXT)));
}

TEST_P(InsertTagsTest, TagsAreReadAtEveryClick) {
  check_click({"first click", "abc", "def", "ghi", "<1>", "</1>", false});
  // The second click works on the text that the first one left.
  check_click({"second click", "abc<1>", "def", "</1>ghi", "<two>", "</two>", false});
}

// The edit control holds 30,000 characters (or bytes) by default, and a replacement that
// would pass its limit loses text; the command makes room instead.
TEST_P(InsertTagsTest, NeverLosesTextAtTheLimit) {
  const std::string ascii_line = "The quick brown fox jumps over the lazy dog 0123456789";
  const std::string jp_line = cp932("いろはにほへとちりぬるをわかよたれそつねならむ");
  const Click clicks[] = {
      {"just under the limit", lines(ascii_line, 14990), "0123456789", lines(ascii_line, 14990),
       "<tag>", "</tag>", false},
      {"at the limit, caret only", lines(ascii_line, 15000), "", lines(ascii_line, 15000), "<", ">",
       false},
      {"well over the limit", lines(ascii_line, 30000), "selected", lines(ascii_line, 30000),
       "<tag>", "</tag>", false},
      // 29,968 characters of 57,524 bytes before, past 30,000 characters after.
      {"Japanese near the limit", lines(jp_line, 28760), cp932("選択"), lines(jp_line, 28760),
       "<start-tag-0123456789>", "</start-tag-0123456789>", false},
  };
  // Each click starts from the default limit, not from the one that the click before raised.
  const LRESULT limit = SendMessageA(child(IDC_TEXT), EM_GETLIMITTEXT, 0, 0);
  for (const Click& c : clicks) {
    SendMessageA(child(IDC_TEXT), EM_SETLIMITTEXT, WPARAM(limit), 0);
    check_click(c);
    // The limit is raised to just the length of the new text, in the edit's units.
    const std::string after = window_text(child(IDC_TEXT));
    const LRESULT length = GetParam() == Edit::kBytes
                               ? LRESULT(after.size())
                               : MultiByteToWideChar(CP_ACP, 0, after.data(), int(after.size()), nullptr, 0);
    EXPECT_EQ(std::max(limit, length), SendMessageA(child(IDC_TEXT), EM_GETLIMITTEXT, 0, 0))
        << "the limit after " << c.name;
  }
}

// Every character of code page 932 that survives the platform's conversion to Unicode and
// back unchanged, in code order, NUL and line-break bytes left out; lines of 64.
std::string every_code_page_932_character() {
  std::string text, line;
  auto add_if_round_trip = [&](const std::string& bytes) {
    wchar_t wide[2];
    int n =
        MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), wide, 2);
    char back[4];
    int m = n == 1 ? WideCharToMultiByte(932, 0, wide, 1, back, 4, nullptr, nullptr) : 0;
    if (m != int(bytes.size()) || std::string(back, size_t(m)) != bytes) return;
    line += bytes;
    if (line.size() >= 128) {
      text += line + "\r\n";
      line.clear();
    }
  };
  for (int b = 1; b < 256; ++b) {
    if (b == '\r' || b == '\n') continue;
    if (!IsDBCSLeadByteEx(932, BYTE(b))) add_if_round_trip(std::string(1, char(b)));
    for (int t = 0x40; IsDBCSLeadByteEx(932, BYTE(b)) && t < 256; ++t) {
      add_if_round_trip(std::string{char(b), char(t)});
    }
  }
  return text + line;
}

// Hostile input: every byte value that code page 932 allows, tags longer than the text,
// and texts cut inside their double-byte characters only by the runtime, never by a click.
TEST_P(InsertTagsTest, KeepsEveryByteOfHostileInput) {
  const std::string all = every_code_page_932_character();
  set_text(child(IDC_TEXT), all);
  ASSERT_EQ(hex_bytes(all), hex_bytes(window_text(child(IDC_TEXT))))
      << "the edit control keeps the text as set";
  const size_t middle = all.size() / 2 - all.size() / 2 % 130;  // a line start
  const std::string long_tag(4000, 'T');
  const Click clicks[] = {
      {"all characters, selection at the start", "", all.substr(0, 130), all.substr(130), "<", ">",
       false},
      {"all characters, selection across lines", all.substr(0, middle), all.substr(middle, 1300),
       all.substr(middle + 1300), cp932("【"), cp932("】"), true},
      {"all characters, caret at the end", all, "", "", "[", "]", false},
      {"tags longer than the text", "x", "y", "z", long_tag, long_tag + "/", false},
      {"tags longer than the text, empty text", "", "", "", long_tag, cp932("終") + long_tag,
       false},
  };
  for (const Click& c : clicks) check_click(c);
}

// A heap that refuses a block, at the first request of a click or later in it, stops the
// program with a message and exit code 70 instead of crashing or carrying on with a null
// or short string. The program's message box is asked for, owned by the main window, and
// the stop goes on when it cannot be shown (the recorder shows nothing and returns 0).
using InsertTagsDeathTest = MainWindowTest;

int WINAPI recording_message_box(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
  const char* owned_by = !owner ? "none" : owner == g_main_hwnd ? "main" : "other";
  std::fprintf(stderr, "MessageBoxA(%s, %s, %#x) [%s]\n", owned_by, caption, flags, text);
  std::fflush(stderr);
  return 0;
}

TEST_F(InsertTagsDeathTest, StopsInOrderWhenTheHeapRefuses) {
  set_text(child(IDC_TEXT), "abcdef");
  set_text(child(IDC_START_TAG), "<b>");
  set_text(child(IDC_END_TAG), "</b>");
  select_bytes(1, 3);
  for (int64_t allowed : {0, 5, 15}) {
    SCOPED_TRACE(allowed);
    EXPECT_EXIT(
        {
          hook_import("user32.dll", "MessageBoxA", reinterpret_cast<void*>(recording_message_box));
          plat_set_stop_notice(show_stop_box);
          plat_heap_refuse_after(allowed);
          click_insert();
        },
        ::testing::ExitedWithCode(kRtFatalExitCode),
        "MessageBoxA\\(main, Morvane, 0x10\\) \\[Morvane .*str_new: out of memory.*\\s*"
        "Morvane cannot go on and will close \\(str_new: out of memory.*\\)\\. "
        "The failed command changed no text\\.\\]");
  }
  EXPECT_EQ("abcdef", window_text(child(IDC_TEXT)));
}

// Start-up that cannot make the main window stops with exit code 70 after the notice that
// start-up itself installs: the message box, with no window to own it.
HWND WINAPI no_window(DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                      LPVOID) {
  return nullptr;
}

TEST(StartUpDeathTest, StopsWithItsNoticeWhenTheWindowCannotBeMade) {
  EXPECT_EXIT(
      {
        hook_import("user32.dll", "CreateWindowExA", reinterpret_cast<void*>(no_window));
        hook_import("user32.dll", "MessageBoxA", reinterpret_cast<void*>(recording_message_box));
        app_main();
      },
      ::testing::ExitedWithCode(kRtFatalExitCode),
      "MessageBoxA\\(none, Morvane, 0x10\\) \\[Morvane .*the main window could not be created");
}

// Clicks queued faster than the window handles them: each runs to completion in turn,
// the first wrapping the selection and the others inserting the tags at the caret that
// the one before left after its insertion.
TEST_P(InsertTagsTest, ClicksInQuickSuccession) {
  const std::string text = cp932("一二三四五六");
  set_text(child(IDC_TEXT), text);
  set_text(child(IDC_START_TAG), "<b>");
  set_text(child(IDC_END_TAG), "</b>");
  select_bytes(2, 6);
  const int clicks = 25;
  for (int i = 0; i < clicks; ++i) {
    PostMessageA(g_main_hwnd, WM_COMMAND, MAKEWPARAM(IDC_INSERT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(child(IDC_INSERT)));
  }
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);

  std::string expected = text.substr(0, 2) + "<b>" + text.substr(2, 4) + "</b>";
  for (int i = 1; i < clicks; ++i) expected += "<b></b>";
  expected += text.substr(6);
  EXPECT_EQ(hex_bytes(expected), hex_bytes(window_text(child(IDC_TEXT))));
  EXPECT_EQ(string_variables(), live_strings());
}

}  // namespace
