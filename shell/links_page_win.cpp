#include "shell/links_page_win.h"

#include <shellapi.h>

#include <string>

#include "platform/codepage.h"
#include "shell/app_win.h"
#include "shell/control_ids.h"
#include "shell/controls_win.h"
#include "shell/program_values.h"
#include "shell/ui_texts.h"
#include "shell/ui_win.h"

namespace shell {
namespace {

constexpr COLORREF kLinkColour = RGB(0x1A, 0x5F, 0xB4);

void open_site_page(std::string_view suffix, int show_mode) {
  std::string address = program().site_base_address;
  address += suffix;
  open_link(address, show_mode);
}

}  // namespace

void create_links_page(HWND page) {
  using controls::LabelLook;
  controls::create_label(page, id::kMottoLabel, ui_text(UiText::kMotto), 32, 6, 304, 18,
                         LabelLook{RGB(0x0E, 0x6E, 0x8C), false, true});
  controls::create_label(page, id::kLinksHeading, ui_text(UiText::kLinksHeading), 360, 7, 88, 16,
                         LabelLook{RGB(0x33, 0x33, 0x33), false, true});
  controls::create_frame(page, id::kRule, 16, 23, 440, 1, controls::FrameLook::kRule);

  HWND frame =
      controls::create_frame(page, id::kAboutFrame, 16, 32, 326, 175, controls::FrameLook::kBorder);
  HWND picture = controls::create_picture_button(frame, id::kAboutPicture, controls::Picture::kAbout,
                                                 "", 8, 5, 310, 139);
  // The text-less label lies over the picture; the picture paints under it.
  ::SetWindowLongPtrW(picture, GWL_STYLE,
                      ::GetWindowLongPtrW(picture, GWL_STYLE) & ~LONG_PTR{WS_CLIPSIBLINGS});
  LabelLook hotspot;
  hotspot.see_through = true;
  hotspot.link = true;
  HWND hot = controls::create_label(frame, id::kAboutHotspot, "", 120, 15, 184, 32, hotspot);
  ::SetWindowPos(hot, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  controls::create_label(frame, id::kVersionText, "", 8, 152, 312, 14,
                         LabelLook{RGB(0x55, 0x5F, 0x6D)});

  LabelLook link{kLinkColour, true};
  controls::create_label(page, id::kHomeLink, ui_text(UiText::kHomeLink), 380, 45, 62, 14, link);
  controls::create_label(page, id::kManualLink, ui_text(UiText::kManualLink), 378, 77, 66, 14,
                         link);
  controls::create_label(page, id::kFeedbackLink, ui_text(UiText::kFeedbackLink), 380, 109, 62,
                         14, link);
  controls::create_label(page, id::kSeriesLink, ui_text(UiText::kSeriesLink), 367, 142, 88, 14,
                         link);
  controls::create_label(page, id::kContactLink, ui_text(UiText::kContactLink), 24, 217, 72, 16,
                         link);
  controls::create_label(page, id::kCustomLink, ui_text(UiText::kCustomLink), 132, 217, 100, 16,
                         link);
}

void open_link(std::string_view address, int show_mode) {
  ::ShellExecuteW(nullptr, L"open", platform::cp936_to_wide(address).c_str(), L"", L"",
                  show_mode);
}

bool press_link(int id) {
  switch (id) {
    case id::kHomeLabel:
    case id::kHomeLink:
    case id::kManualLink:
      open_link(program().home_page_address, SW_SHOWNORMAL);
      return true;
    case id::kSuggestLabel:
    case id::kFeedbackLink:
      open_site_page("ly", SW_SHOWNORMAL);
      return true;
    case id::kAboutHotspot:
      open_site_page("yw", SW_HIDE);
      return true;
    case id::kCustomLink:
      open_site_page("yw/5.htm", SW_SHOWNORMAL);
      return true;
    case id::kNavSeries:
    case id::kSeriesLink:
      open_link(series_page_address(), SW_SHOWNORMAL);
      return true;
    case id::kContactLink:
      open_link(contact_address(), SW_SHOWNORMAL);
      return true;
    default:
      return false;
  }
}

}  // namespace shell
