// MainWindow driven through its real controls: start-up texts, the single running copy,
// the navigation links, the help messages, the flashing search box and minimising.
#include <gtest/gtest.h>

#include <string>

#include "platform/codepage.h"
#include "shell/program_values.h"
#include "shell/unscramble.h"
#include "tests/gui/fixture.h"

namespace gui {
namespace {

namespace id = shell::id;

constexpr char kLocalSearchHelp[] =
    "用BT的都知道，往往种子的文件名和下载内容是不一样的，种子文件名可能会是校验码或时间。\r\n"
    "这样就无法根据文件名来搜索内容了，只能用BT软件打开并下载这个软件才能知道内容\r\n"
    "本软件有一个强大的种子内容搜索功能，不用打开BT软件就能从硬盘中的'茫茫种海'中里搜索出内容。"
    "\r\n\r\n"
    "比如你想搜索下有没有下载过'新少林寺'这部电影 就输入 '新少林寺' 然后点搜索,"
    "而不用输入种子文件名。";

constexpr char kSearchHelp[] =
    "本软件有一个强大的种子内容搜索功能(传统的文件搜索是搜索的文件名称而不是文件内容)，"
    "不用打开BT软件就能从硬盘中的'茫茫种海'中里搜索出内容。\r\n\r\n"
    "比如你想搜索下有没有下载过'新少林寺'这部电影 就输入 '新少林寺' 然后点搜索,"
    "而不用输入种子文件名。";

constexpr char kNoticeTitle[] = "Morvale提示";

class MainWindowTest : public ProgramTest {
 protected:
  void SetUp() override { start(); }

  // Presses a link or label and answers the notice it shows, checking its text.
  void expect_notice(int label, const char* text) {
    click(control(label));
    HWND box = wait_dialog(program_->pid());
    ASSERT_NE(box, nullptr) << "no message box";
    const MessageBoxTexts texts = read_message_box(box);
    EXPECT_EQ(utf8(texts.title), kNoticeTitle);
    EXPECT_EQ(utf8(texts.text), text);
    ASSERT_TRUE(answer(box, IDOK));
  }

  bool fully_selected(HWND edit) const {
    const int length = static_cast<int>(text_of(edit).size());
    return selection_of(edit) == std::pair<int, int>(0, length);
  }
};

// The search box as it is seen: its flash colour, white, or neither (half drawn, covered).
enum class Shade { kFlash, kWhite, kOther };

Shade shade_of(HWND box) {
  const art::Image image = capture(box);
  std::size_t flash = 0;
  std::size_t white = 0;
  for (std::uint32_t pixel : image.pixels) {
    const std::uint32_t rgb = pixel & 0xFFFFFFu;
    if (rgb == 0xFF80C0u) ++flash;  // red 255, green 128, blue 192
    if (rgb == 0xFFFFFFu) ++white;
  }
  if (image.pixels.empty()) return Shade::kOther;
  if (flash * 10 >= image.pixels.size()) return Shade::kFlash;
  if (flash == 0 && white * 10 >= image.pixels.size()) return Shade::kWhite;
  return Shade::kOther;
}

std::string program_text(const std::string& cp936) { return utf8(platform::cp936_to_wide(cp936)); }

TEST_F(MainWindowTest, StartUpTextsAreThereWhenTheWindowFirstShows) {
  // Read at once: the window has just become visible.
  const std::string status = utf8(text_of(control(id::kStatusLine)));
  const std::string version = utf8(text_of(control(id::kVersionText)));
  const std::string alphabet = shell::unscramble_alphabet();
  const std::string expected_status =
      program_text(shell::unscramble_text(shell::scrambled_status_text(), alphabet));
  const std::string expected_version =
      program_text(shell::unscramble_text(shell::scrambled_version_text(), alphabet));
  ASSERT_FALSE(expected_status.empty());
  ASSERT_FALSE(expected_version.empty());
  EXPECT_EQ(status, expected_status);
  EXPECT_EQ(version, expected_version);

  const std::string title = utf8(text_of(main_));
  const std::string title_start = "MorvaleBT种子管理器-Brannock(原ZEPHO) 作者:";
  EXPECT_EQ(title.substr(0, title_start.size()), title_start);
  EXPECT_GT(title.size(), title_start.size()) << "no byline after the author mark";
}

TEST_F(MainWindowTest, SecondCopyEndsAtOnceWithoutAWindow) {
  Folder other(test_name() + L"-second");
  Program second(other.path());
  ASSERT_TRUE(second.started());
  bool showed_a_window = false;
  DWORD code = STILL_ACTIVE;
  wait_until([&] {
    if (!second.windows().empty()) showed_a_window = true;
    code = second.wait_exit(std::chrono::milliseconds(0));
    return code != STILL_ACTIVE;
  });
  EXPECT_EQ(code, 0u);
  EXPECT_FALSE(showed_a_window);
  EXPECT_TRUE(program_->running());
  EXPECT_TRUE(::IsWindowVisible(main_));
}

TEST_F(MainWindowTest, NavigationShowsEachPage) {
  struct Step {
    int control;
    int page;
    const wchar_t* screenshot;
  };
  // Each step leaves a different page from the one before it.
  const Step steps[] = {
      {id::kNavAbout, 2, L"page-2-about"}, {id::kToolsButton, 4, L"page-4-tools"},
      {id::kNavList, 0, L"page-0-list"},   {id::kToolsButton, 4, nullptr},
      {id::kNavAbout, 2, nullptr},         {id::kNavList, 0, nullptr},
  };
  for (const Step& step : steps) {
    click(control(step.control));
    EXPECT_TRUE(page_shows(step.page))
        << "control " << step.control << " shows page " << shown_page(main_);
    if (step.screenshot) {
      EXPECT_TRUE(save_screenshot(main_, step.screenshot));
    }
  }
}

TEST_F(MainWindowTest, ResultsLinkWaitsForAResultLine) {
  click(control(id::kNavAbout));
  ASSERT_TRUE(page_shows(2));
  // With an empty result list the link does nothing. The minimise label pressed after it
  // tells when the press on the link has been handled.
  click(control(id::kNavResults));
  click(control(id::kMinimiseLabel));
  ASSERT_TRUE(wait_until([&] { return ::IsIconic(main_) != FALSE; })) << "－ did not minimise";
  EXPECT_EQ(shown_page(main_), 2);

  ::ShowWindowAsync(main_, SW_RESTORE);
  ASSERT_TRUE(wait_until([&] { return !::IsIconic(main_) && ::IsWindowVisible(main_); }));
  HWND results = control(id::kResultList);
  send_text(results, LB_ADDSTRING, 0, L"C:\\种子\\一.torrent");
  ASSERT_EQ(::SendMessageW(results, LB_GETCOUNT, 0, 0), 1);
  click(control(id::kNavResults));
  EXPECT_TRUE(page_shows(1));
  EXPECT_TRUE(save_screenshot(main_, L"page-1-results"));
}

TEST_F(MainWindowTest, LocalSearchHelpFlashesTheSearchBoxFourTimes) {
  click(control(id::kNavAbout));
  ASSERT_TRUE(page_shows(2));
  HWND box = control(id::kSearchBox);
  ASSERT_FALSE(fully_selected(box)) << "the search box starts selected";

  expect_notice(id::kNavLocalSearch, kLocalSearchHelp);
  EXPECT_TRUE(page_shows(0));
  int flashes = 0;
  Shade last = Shade::kOther;
  const bool finished = wait_until([&] {
    const Shade now = shade_of(box);
    if (now == Shade::kFlash && last != Shade::kFlash) ++flashes;
    if (now != Shade::kOther) last = now;
    return fully_selected(box);
  });
  ASSERT_TRUE(finished) << "the search box was not selected in the end";
  EXPECT_EQ(flashes, 4);
  EXPECT_TRUE(wait_until([&] { return shade_of(box) == Shade::kWhite; }));
  EXPECT_EQ(focus_in_thread_of(main_), box);
  EXPECT_EQ(shown_page(main_), 0);
}

TEST_F(MainWindowTest, ClickDuringTheFlashingIsHandledAtOnce) {
  HWND box = control(id::kSearchBox);
  ASSERT_FALSE(fully_selected(box));
  expect_notice(id::kNavLocalSearch, kLocalSearchHelp);
  ASSERT_TRUE(wait_until([&] { return shade_of(box) == Shade::kFlash; }));

  click(control(id::kNavAbout));
  ASSERT_TRUE(page_shows(2));
  // The flashing ends by selecting the box: not done yet when the click was handled.
  EXPECT_FALSE(fully_selected(box)) << "the click waited for the flashing to end";
  EXPECT_TRUE(wait_until([&] { return fully_selected(box); }));
  EXPECT_EQ(shown_page(main_), 2);
}

TEST_F(MainWindowTest, SearchHelpShowsItsMessage) {
  click(control(id::kNavList));
  ASSERT_TRUE(page_shows(0));
  expect_notice(id::kSearchHelp, kSearchHelp);
  EXPECT_TRUE(dialogs(program_->pid()).empty());
  EXPECT_EQ(shown_page(main_), 0);
}

}  // namespace
}  // namespace gui
