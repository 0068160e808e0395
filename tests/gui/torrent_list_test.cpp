// The torrent list driven through the real program: files chosen in the open dialog, the
// list kept between runs by the close label and by Alt+F4, and a damaged list file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/gui/fixture.h"

namespace gui {
namespace {

namespace id = shell::id;

constexpr wchar_t kOpenTitle[] = L"请选择欲打开的文件(可多选)：";

struct File {
  const wchar_t* name;
  std::size_t size;
};

// Every file the tests choose from, in the order they are typed into the dialog.
const File kFiles[] = {
    {L"A.TORRENT", 1126},     {L"c.torrent.bak", 300}, {L"b.Txt", 28954},
    {L"big.torrent", 925000}, {L"d.nfo", 40},          {L"ok.torrent", 924999},
    {L"种子.torrent", 1024},  {L"x.torrent", 256},
};

std::string describe(const ListRow& row) {
  std::string text;
  for (const auto& cell : row.cells) text += utf8(cell) + " | ";
  return text + "check " + std::to_string(row.check) + ", image " + std::to_string(row.image);
}

std::vector<std::string> describe(const std::vector<ListRow>& rows) {
  std::vector<std::string> texts;
  for (const auto& row : rows) texts.push_back(describe(row));
  return texts;
}

class TorrentListTest : public ProgramTest {
 protected:
  // The files' folder has a plain name: Wine's open dialog does not go to a folder whose
  // typed path holds characters outside the system's ANSI code page.
  TorrentListTest() : files_(test_name() + L"-files") {
    for (const File& file : kFiles) files_.write(file.name, std::string(file.size, 'd'));
  }

  void SetUp() override { start(); }

  HWND list() const { return control(id::kTorrentList); }

  // Presses the open button and chooses `names` in the files' folder.
  void open_files(const std::vector<std::wstring>& names) {
    click(control(id::kOpenButton));
    HWND dialog = wait_dialog(program_->pid(), kOpenTitle);
    ASSERT_NE(dialog, nullptr) << "the open dialog did not show";
    ASSERT_TRUE(choose_files(dialog, files_.path(), names)) << "the open dialog did not close";
  }

  std::vector<std::wstring> names_in_list() const {
    std::vector<std::wstring> names;
    const int count = row_count(list());
    for (int row = 0; row < count; ++row) names.push_back(cell_text(list(), row, 0));
    return names;
  }

  bool list_names_become(const std::vector<std::wstring>& names) const {
    return wait_until([&] { return names_in_list() == names; });
  }

  // The row the open button makes for a file of the files' folder: unchecked, icon 0.
  ListRow row_for(const wchar_t* name, const wchar_t* size) const {
    return ListRow{{name, files_.path() + L"\\", size}, 0, 0};
  }

  // Shows page 2 by its link, which also tells that earlier input has been handled.
  void show_about_page() {
    click(control(id::kNavAbout));
    ASSERT_TRUE(page_shows(2));
  }

  Folder files_;
};

TEST_F(TorrentListTest, OpenListsTheAcceptedFilesInTheDialogsOrder) {
  ASSERT_NO_FATAL_FAILURE(show_about_page());
  std::vector<std::wstring> all;
  for (const File& file : kFiles) all.push_back(file.name);
  ASSERT_NO_FATAL_FAILURE(open_files(all));

  ASSERT_TRUE(
      list_names_become({L"A.TORRENT", L"b.Txt", L"ok.torrent", L"种子.torrent", L"x.torrent"}));
  EXPECT_EQ(describe(read_rows(list(), 3)), describe(std::vector<ListRow>{
                                                row_for(L"A.TORRENT", L"1.1KB"),
                                                row_for(L"b.Txt", L"28.3KB"),
                                                row_for(L"ok.torrent", L"903.3KB"),
                                                row_for(L"种子.torrent", L"1KB"),
                                                row_for(L"x.torrent", L"0.3KB"),
                                            }));
  EXPECT_EQ(shown_page(main_), 0);
  EXPECT_TRUE(save_screenshot(main_, L"main-window-with-list"));
}

TEST_F(TorrentListTest, OpeningAgainReplacesTheRowsAndCancellingKeepsThem) {
  ASSERT_NO_FATAL_FAILURE(open_files({L"x.torrent", L"A.TORRENT"}));
  ASSERT_TRUE(list_names_become({L"x.torrent", L"A.TORRENT"}));

  ASSERT_NO_FATAL_FAILURE(open_files({L"b.Txt"}));
  ASSERT_TRUE(list_names_become({L"b.Txt"}));
  EXPECT_EQ(describe(read_rows(list(), 3)),
            describe(std::vector<ListRow>{row_for(L"b.Txt", L"28.3KB")}));

  // Cancelling: the list page comes forward and the rows stay.
  ASSERT_NO_FATAL_FAILURE(show_about_page());
  click(control(id::kOpenButton));
  HWND dialog = wait_dialog(program_->pid(), kOpenTitle);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(answer(dialog, IDCANCEL));
  EXPECT_TRUE(page_shows(0));
  ASSERT_NO_FATAL_FAILURE(show_about_page());
  EXPECT_EQ(names_in_list(), std::vector<std::wstring>{L"b.Txt"});

  // Only files that are not taken: the list ends empty.
  ASSERT_NO_FATAL_FAILURE(open_files({L"d.nfo", L"big.torrent", L"c.torrent.bak"}));
  ASSERT_NO_FATAL_FAILURE(show_about_page());
  EXPECT_EQ(row_count(list()), 0);
}

TEST_F(TorrentListTest, CloseLabelSavesTheListForTheNextRun) {
  ASSERT_NO_FATAL_FAILURE(open_files({L"种子.torrent", L"A.TORRENT", L"x.torrent"}));
  ASSERT_TRUE(list_names_become({L"种子.torrent", L"A.TORRENT", L"x.torrent"}));
  const std::vector<ListRow> saved = read_rows(list(), 3);
  ASSERT_TRUE(set_check(list(), 1, true));
  ASSERT_EQ(check_state(list(), 1), 1);

  // Pressed on "×" but released elsewhere: the program goes on.
  HWND close = control(id::kCloseLabel);
  press(close);
  move_mouse(centre_of(control(id::kNavAbout)));
  left_button(false);
  ASSERT_NO_FATAL_FAILURE(show_about_page());
  ASSERT_TRUE(program_->running());

  press(close);
  release(close);
  EXPECT_EQ(program_->wait_exit(), 0u);

  ASSERT_NO_FATAL_FAILURE(start());
  EXPECT_EQ(describe(read_rows(list(), 3)), describe(saved));
  EXPECT_EQ(saved.size(), 3u);
}

TEST_F(TorrentListTest, AltF4SavesTheListToo) {
  ASSERT_NO_FATAL_FAILURE(open_files({L"b.Txt", L"ok.torrent"}));
  ASSERT_TRUE(list_names_become({L"b.Txt", L"ok.torrent"}));

  ASSERT_TRUE(bring_to_front(main_));
  keys({VK_MENU, VK_F4});
  EXPECT_EQ(program_->wait_exit(), 0u);

  ASSERT_NO_FATAL_FAILURE(start());
  EXPECT_EQ(describe(read_rows(list(), 3)), describe(std::vector<ListRow>{
                                                row_for(L"b.Txt", L"28.3KB"),
                                                row_for(L"ok.torrent", L"903.3KB"),
                                            }));
}

// Starts the program only once the test has prepared its folder.
class ListFileTest : public ProgramTest {};

TEST_F(ListFileTest, DamagedListFileStartsEmptyAndIsKeptAside) {
  std::string garbage = "this is no list file";
  for (int i = 0; i < 300; ++i) garbage += static_cast<char>((i * 151 + 7) % 256);
  folder_.write(L"torrentdat.db", garbage);
  ASSERT_NO_FATAL_FAILURE(start());

  std::wstring kept;
  EXPECT_TRUE(wait_until([&] {
    for (const auto& name : folder_.names())
      if (name != L"torrentdat.db" && folder_.read(name) == garbage) kept = name;
    return !kept.empty();
  })) << "the damaged file was not kept under another name";
  HWND list = control(id::kTorrentList);
  EXPECT_EQ(row_count(list), 0);

  // The program takes input, and no message box came with the damaged file.
  ASSERT_NO_FATAL_FAILURE(change_page());
  EXPECT_TRUE(dialogs(program_->pid()).empty());
}

}  // namespace
}  // namespace gui
