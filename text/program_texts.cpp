#include "text/program_texts.h"

#include <iterator>

#include "platform/codepage.h"

namespace text {
namespace {

constexpr const char* kUtf8[] = {
    "\r\n******文件不存在或无法打开******",           // kMissingFile
    "\r\n******无效的种子或假种子******",             // kInvalidTorrent
    "∞:",                                             // kBlockStart
    "------以下为种子中的文件------\r\n",             // kFilesHeader
    "------以下为种子附加信息------\r\n√生成时间：",  // kExtraHeaderAndTime
    "\r\n√生成时间：",                                // kTimeLabel
    "\r\n\r\n√块大小：",                              // kPieceLengthLabel
    "\r\n√生成种子的软件：",                          // kCreatorLabel
    "\r\n√种子编码：",                                // kEncodingLabel
    "\r\n√种子制作人：",                              // kPublisherLabel
    "\r\n\r\n------以下为种子连接服务器------\r\n",   // kServersHeader
    "匿名",                                           // kAnonymous
    "  大小：",                                       // kSizeLabel
    "年",                                             // kYear
    "月",                                             // kMonth
    "日",                                             // kDay
    "时",                                             // kHour
    "分",                                             // kMinute
    "秒",                                             // kSecond
    "下载地址解密：可以将迅雷、快车、QQ旋风、fs2you的"
    "加密下载地址格式转为普通的下载地址！\r\n",  // kLinkDecoderCaption
    "这里填入待解密的地址",                      // kLinkInputPrompt
    "转到普通地址",                              // kLinkDecodeButton
    "没有输入任何地址，请填入内容后再试。",      // kNoLinkGiven
    "信息：",                                    // kInfoTitle
};
static_assert(std::size(kUtf8) == static_cast<std::size_t>(Text::kCount));

}  // namespace

std::vector<std::string> cp936_table(std::span<const char* const> utf8) {
  std::vector<std::string> converted;
  converted.reserve(utf8.size());
  for (const char* text : utf8) converted.push_back(platform::utf8_to_cp936(text));
  return converted;
}

const std::string& cp936(Text id) {
  static const std::vector<std::string> texts = cp936_table(kUtf8);
  return texts[static_cast<std::size_t>(id)];
}

}  // namespace text
