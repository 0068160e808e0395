// Window classes and control ids of the program's windows.
//
// Every control is a child window with a stable id, unique within its top-level window,
// so tests and accessibility tools can find it (EnumChildWindows + GetDlgCtrlID).
#pragma once

namespace shell {

inline constexpr wchar_t kMainWindowClass[] = L"MorvaleBT.MainWindow";

// Custom control classes: transparent labels and link labels, the page container and its
// pages, frames and the busy indicator. Picture buttons are owner-drawn BUTTONs; the rest are common controls.
inline constexpr wchar_t kLabelClass[] = L"MorvaleBT.Label";
inline constexpr wchar_t kPagesClass[] = L"MorvaleBT.Pages";
inline constexpr wchar_t kPageClass[] = L"MorvaleBT.Page";
inline constexpr wchar_t kFrameClass[] = L"MorvaleBT.Frame";
inline constexpr wchar_t kBusyClass[] = L"MorvaleBT.Busy";

// Notification codes a label sends to MainWindow in WM_COMMAND.
inline constexpr int kLabelPressed = 1;   // left button pressed on the label
inline constexpr int kLabelReleased = 2;  // left button released over it (close label only)

namespace id {
enum : int {
  // MainWindow's own face.
  kCloseLabel = 1001,     // 透明标签1 "×" (acts on release)
  kMinimiseLabel = 1002,  // 透明标签2 "－"
  kVersionMark = 1004,    // 透明标签4 "V 2.0"
  kOpenButton = 1010,     // 图形按钮打开
  kDiskSearchButton = 1011,  // 图形按钮搜索
  kReportButton = 1012,   // 图形按钮报表1
  kToolsButton = 1013,    // 图形按钮网搜
  kHomeLabel = 1016,      // 透明标签6 "软件主页"
  kSuggestLabel = 1017,   // 透明标签7 "提交建议"
  kNavBar = 1020,         // 外形框2
  kNavList = 1021,        // 超级链接框1 "▽种子列表"
  kNavAbout = 1022,       // 超级链接框2 "▽关于软件"
  kNavResults = 1023,     // 超级链接框3 "▽搜索的结果"
  kNavLocalSearch = 1024, // 超级链接框4 "▽本地搜索"
  kNavSeries = 1028,      // 超级链接框8 "Morvale系列软件"
  kReportLabel = 1030,    // 标签1
  kReportProgress = 1031, // 进度条1
  kPages = 1040,          // 选择夹1 (no header strip)
  kPage0 = 1200,          // kPage0 + n is page n, 0..4; the shown page is the visible one
  kBusyPicture = 1050,    // 图片框1
  kStatusLine = 1051,     // 透明标签总提示
  kStopLabel = 1052,      // 透明标签停止 "停止.."

  // Page 0: the torrent list page.
  kSearchBox = 1100,      // 编辑框so
  kSearchButton = 1101,   // 图形按钮so
  kSearchHelp = 1102,     // 超级链接框9 "搜索帮助"
  kTorrentList = 1103,    // 显示超级列表框
  kAllDrives = 1104,      // 单选框1 "全盘搜索"
  kOneDrive = 1105,       // 单选框2 "指定盘号"
  kDriveBox = 1106,       // 驱动器框1

  // Page 1: content-search results.
  kResultList = 1110,     // 列表框1
  kResultLabel = 1111,    // 透明标签搜索

  // Page 2: about and links.
  kMottoLabel = 1120,     // 透明标签版本1
  kLinksHeading = 1121,   // 标签2 "互动页面"
  kRule = 1122,           // 外形框1
  kAboutFrame = 1123,     // 外形框11
  kAboutPicture = 1124,   // 图形按钮2
  kAboutHotspot = 1125,   // 透明标签5 (no text; opens with the hidden show mode)
  kVersionText = 1126,    // 透明标签版本
  kHomeLink = 1127,       // 超级链接框主页 "软件主页"
  kManualLink = 1128,     // 超级链接框bbs "使用说明"
  kFeedbackLink = 1129,   // 超级链接框意见提交 "意见提交"
  kSeriesLink = 1130,     // 超级链接框系列 "Morvale系列软件"
  kContactLink = 1131,    // 超级链接框5 "联系作者QQ"
  kCustomLink = 1132,     // 超级链接框6 "软件定做 请点击"

  // Page 4: the tools page.
  kToolsFrame = 1140,     // 外形框5
  kToolsCaption = 1141,   // 标签6
  kLinkInput = 1142,      // 编辑框地址1
  kDecodeButton = 1143,   // 按钮1
  kLinkOutput = 1144,     // 编辑框地址2
};
}  // namespace id

}  // namespace shell
