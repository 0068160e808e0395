#include "shell/ui_texts.h"

#include <iterator>
#include <vector>

#include "text/program_texts.h"

namespace shell {
namespace {

constexpr const char* kUtf8[] = {
    "MorvaleBT种子管理器-Brannock(原ZEPHO) 作者:MorvaleBT开发组",  // kWindowTitle
    "MorvaleBT 种子管理器",                                       // kFaceTitle
    "×",                                                          // kClose
    "－",                                                         // kMinimise
    "V 2.0",                                                      // kVersionMark
    "软件主页",                                                   // kHomeLabel
    "提交建议",                                                   // kSuggestLabel
    "▽种子列表",                                                  // kNavList
    "▽搜索的结果",                                                // kNavResults
    "▽本地搜索",                                                  // kNavLocalSearch
    "▽关于软件",                                                  // kNavAbout
    "Morvale系列软件",                                            // kNavSeries
    "请稍后，正在创建报表：",                                     // kReportLabel
    "停止..",                                                     // kStopLabel
    "打开种子",                                                   // kOpenCaption
    "搜索种子",                                                   // kDiskSearchCaption
    "生成报表",                                                   // kReportCaption
    "实用工具",                                                   // kToolsCaption
    "请输入搜索内容...",                                          // kSearchBoxPlaceholder
    "搜索",                                                       // kSearchButtonCaption
    "搜索帮助",                                                   // kSearchHelpLink
    "全盘搜索",                                                   // kAllDrives
    "指定盘号",                                                   // kOneDrive
    "种子名称",                                                   // kColumnName
    "目前位置(路径)",                                             // kColumnLocation
    "大小(KB)",                                                   // kColumnSize
    "愿广大BT爱好者继续发扬BT的共享精神",                         // kMotto
    "互动页面",                                                   // kLinksHeading
    "软件主页",                                                   // kHomeLink
    "使用说明",                                                   // kManualLink
    "意见提交",                                                   // kFeedbackLink
    "Morvale系列软件",                                            // kSeriesLink
    "联系作者QQ",                                                 // kContactLink
    "软件定做 请点击",                                            // kCustomLink
    "tools",                                                      // kToolsPageTitle
    "Morvale提示",                                                // kPromptTitle
    // kLocalSearchHelp
    "用BT的都知道，往往种子的文件名和下载内容是不一样的，种子文件名可能会是校验码或时间。\r\n"
    "这样就无法根据文件名来搜索内容了，只能用BT软件打开并下载这个软件才能知道内容\r\n"
    "本软件有一个强大的种子内容搜索功能，不用打开BT软件就能从硬盘中的'茫茫种海'中里搜索出内容。"
    "\r\n\r\n"
    "比如你想搜索下有没有下载过'新少林寺'这部电影 就输入 '新少林寺' 然后点搜索,"
    "而不用输入种子文件名。",
    // kSearchHelp
    "本软件有一个强大的种子内容搜索功能(传统的文件搜索是搜索的文件名称而不是文件内容)，"
    "不用打开BT软件就能从硬盘中的'茫茫种海'中里搜索出内容。\r\n\r\n"
    "比如你想搜索下有没有下载过'新少林寺'这部电影 就输入 '新少林寺' 然后点搜索,"
    "而不用输入种子文件名。",
    "请选择欲打开的文件(可多选)：",  // kOpenDialogTitle
    "种子文件(*.torrent)|*.torrent",  // kOpenDialogFilter
    "KB",                             // kSizeSuffix
};
static_assert(std::size(kUtf8) == static_cast<std::size_t>(UiText::kCount));

}  // namespace

const std::string& ui_text(UiText id) {
  static const std::vector<std::string> texts = text::cp936_table(kUtf8);
  return texts[static_cast<std::size_t>(id)];
}

}  // namespace shell
