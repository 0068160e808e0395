#include "tools/link_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "platform/codepage.h"
#include "platform/messages.h"

namespace {

using tools::decode_base64;
using tools::decode_download_link;

// Standard base64 with padding, so the test links are built from what they carry.
std::string b64(std::string_view bytes) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    std::uint32_t n = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) n |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) n |= static_cast<unsigned char>(bytes[i + 2]);
    out += kAlphabet[(n >> 18) & 63];
    out += kAlphabet[(n >> 12) & 63];
    out += i + 1 < bytes.size() ? kAlphabet[(n >> 6) & 63] : '=';
    out += i + 2 < bytes.size() ? kAlphabet[n & 63] : '=';
  }
  return out;
}

std::string gbk(std::string_view utf8) { return platform::utf8_to_cp936(utf8); }

const std::string kAddress = "http://example.com/file.zip";

// How each download manager wraps an address before encoding it.
std::string thunder(std::string_view address) { return b64("AA" + std::string(address) + "ZZ"); }
std::string flashget(std::string_view address) {
  return b64("[FLASHGET]" + std::string(address) + "[FLASHGET]");
}

TEST(DecodeBase64, GroupsPaddingAndStrayBytes) {
  struct Case {
    const char* what;
    std::string input, expected;
  } cases[] = {
      {"complete groups", "QUJDREVG", "ABCDEF"},
      {"two padding signs", "QQ==", "A"},
      {"one padding sign", "QUI=", "AB"},
      {"missing padding counts as zero values", "QUJDRA", std::string("ABCD\0\0", 6)},
      {"empty", "", ""},
      // A stray padding sign after a complete group ends a group at its 1st byte: the 4
      // bytes dropped are that group's 3 and the last real one.
      {"stray padding sign", "QUJD=", "AB"},
      // A group whose 2nd byte is outside the alphabet: its 3 bytes are dropped.
      {"2nd byte outside the alphabet", "QUJDR=", "ABC"},
      // "*" ends the 2nd group at its 2nd byte; its 3rd and 4th values are still those of
      // "QUJD" (9 and 3), and the group after it decodes normally.
      {"values carried over", "QUJDQ*==QUJD", std::string("ABCB\xA2") + "CABC"},
      {"spaces and full-width spaces", "Q U\xA1\xA1JD ", "ABC"},
      {"CR LF pairs", "QU\r\nJD\r\n", "ABC"},
      {"spaces go before CR LF pairs are looked for", "QUJD\r \n", "ABC"},
      {"a lone CR is a byte outside the alphabet", "QUJD\r", "AB"},
      {"a lone LF likewise", "QUJD\n", "AB"},
      {"CR LF pairs are removed once, not repeatedly", "QUJD\r\r\n\n", "AB"},
      // "\x81 " is one double-byte character, so that space stays: "QUJ\x81" then " RA"
      // is a group ended at its 1st byte. Taking it for a space would leave "QUJ\x81RA".
      {"a space after a lead byte is part of its character", "QUJ\x81 RA", "AB"},
      {"so is a CR after a lead byte", "QUJ\x81\r\nRA", "AB"},
      {"the text ends at a zero byte", std::string("QUJD\0QUJD", 9), "ABC"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decode_base64(c.input), c.expected) << c.what;
  }
}

TEST(DecodeBase64, DispatchesMessagesAfterEveryGroup) {
  const std::uint64_t before = platform::dispatch_count();
  // Seven characters once the space and the CR LF are gone: two groups.
  decode_base64("QU JD\r\nQUJ");
  EXPECT_EQ(platform::dispatch_count() - before, 2u);
}

TEST(DecodeBase64, LargeWellFormedInputDecodesExactly) {
  std::mt19937 random(7);
  std::string data(256 << 10, '\0');
  for (char& c : data) c = static_cast<char>(random());
  // Mail-style lines of 76 characters ending in CR LF.
  const std::string encoded = b64(data);
  std::string lines;
  for (std::size_t i = 0; i < encoded.size(); i += 76) lines += encoded.substr(i, 76) + "\r\n";
  EXPECT_EQ(decode_base64(lines), data);
}

TEST(DecodeBase64, ArbitraryBytesNeverBreakIt) {
  std::mt19937 random(11);
  // A few megabytes of anything but zero bytes.
  std::string junk(2 << 20, '\0');
  for (char& c : junk) c = static_cast<char>(1 + random() % 255);
  const std::string decoded = decode_base64(junk);
  EXPECT_FALSE(decoded.empty());
  EXPECT_LE(decoded.size(), (junk.size() + 3) / 4 * 3);
  EXPECT_EQ(decode_download_link("thunder://" + junk), decode_download_link("THUNDER://" + junk));

  // Short texts made of the bytes the decoders treat specially, at every length.
  constexpr std::string_view kBytes("AZaz09+/=&|:\r\n \xA1\x81\xFF\0", 20);
  constexpr std::string_view kSchemes[] = {"thunder://", "flashget://", "qqdl://", "fs2you://", ""};
  for (int round = 0; round < 3000; ++round) {
    std::string link(kSchemes[random() % std::size(kSchemes)]);
    const std::size_t length = random() % 40;
    for (std::size_t i = 0; i < length; ++i) link += kBytes[random() % kBytes.size()];
    const std::string decoded_link = decode_download_link(link);
    if (link.size() < 16) {
      EXPECT_EQ(decoded_link, "") << testing::PrintToString(link);
    }
    EXPECT_LE(decode_base64(link).size(), (link.size() + 3) / 4 * 3);
  }
}

TEST(DecodeDownloadLink, SchemesAndMalformedLinks) {
  const std::string chinese = gbk("http://例子.com/中文资料.rar");
  const std::string plain_payload = b64(kAddress);  // 36 characters, no padding
  // 25 bytes, so that the wrapped form encodes to 39 characters once its padding is gone.
  const std::string odd_address = "http://example.com/ab.zip";
  struct Case {
    const char* what;
    std::string link, expected;
  } cases[] = {
      {"thunder", "thunder://" + thunder(kAddress), kAddress},
      {"thunder, capitals", "THUNDER://" + thunder(kAddress), kAddress},
      {"thunder, mixed case", "Thunder://" + thunder(kAddress), kAddress},
      {"thunder, trailing slash", "thunder://" + thunder(kAddress) + "/", kAddress},
      {"thunder, double-byte address", "thunder://" + thunder(chinese), chinese},
      {"thunder, nothing inside the markers", "thunder://" + thunder(""), ""},
      {"thunder, one byte inside the markers", "thunder://" + thunder("x"), "x"},
      // "\x81/" is one character, so the payload ends in "\x81//" and only its last "/"
      // goes: the group "\x81/" then adds bytes that drop nothing from the address.
      // Dropping both slashes would give the plain address.
      {"thunder, only one trailing slash dropped",
       "thunder://" + thunder(odd_address).substr(0, 39) + "\x81//", odd_address + "ZZ"},
      {"flashget", "flashget://" + flashget(kAddress) + "&18859", kAddress},
      {"flashget, capitals", "FLASHGET://" + flashget(kAddress) + "&1", kAddress},
      {"flashget without &", "flashget://" + flashget(kAddress), ""},
      {"flashget, nothing after &", "flashget://" + flashget(kAddress) + "&", ""},
      {"flashget, empty field between two &", "flashget://" + flashget(kAddress) + "&&", kAddress},
      {"flashget, nothing inside the markers", "flashget://" + flashget("") + "&1", ""},
      {"qqdl keeps every byte", "qqdl://" + thunder(kAddress), "AA" + kAddress + "ZZ"},
      {"qqdl, capitals", "QQDL://" + plain_payload, kAddress},
      {"fs2you, fields after |", "fs2you://" + b64("example.com/file.zip|2048|x"), kAddress},
      {"fs2you without |", "fs2you://" + b64("example.com/file.zip"), kAddress},
      {"fs2you starting with |", "fs2you://" + b64("|2048"), "http://"},
      {"fs2you decoding to nothing", "fs2you://AAAAAAAA", "fs2you://AAAAAAAA"},
      {"a payload holding //", "qqdl://" + plain_payload + "//" + b64("more"), kAddress},
      {"spaces and CR LF in the payload",
       "qqdl://" + plain_payload.substr(0, 4) + " " + plain_payload.substr(4, 8) + "\xA1\xA1" +
           plain_payload.substr(12, 8) + "\r\n" + plain_payload.substr(20) + " ",
       kAddress},
      {"a lone CR after the payload", "qqdl://" + plain_payload + "\r",
       "http://example.com/file.zi"},
      {"a stray padding sign", "qqdl://" + plain_payload + "=", "http://example.com/file.zi"},
      {"15 bytes", "qqdl://QUJDREVG", ""},
      {"16 bytes, counted before spaces go", "qqdl://QUJDREVG ", "ABCDEF"},
      {"no //", "thunder:" + thunder(kAddress), ""},
      {"// only at the end", "thunder:QUFhWlo//", ""},
      {"a plain web address", "http://www.example.com/index.html",
       "http://www.example.com/index.html"},
      {"leading spaces", "  thunder://" + thunder(kAddress), "  thunder://" + thunder(kAddress)},
      {"an unknown scheme", "ed2k://|file|a.zip|1|x|/", "ed2k://|file|a.zip|1|x|/"},
      {"the link ends at a zero byte", std::string("http://example.com/\0more", 24),
       "http://example.com/"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decode_download_link(c.link), c.expected)
        << c.what << ": " << testing::PrintToString(c.link);
  }
}

TEST(LinkInput, EmptyOrPromptIsMissing) {
  const std::string prompt = gbk("这里填入待解密的地址");
  EXPECT_TRUE(tools::is_missing_link_input(""));
  EXPECT_TRUE(tools::is_missing_link_input(prompt));
  EXPECT_FALSE(tools::is_missing_link_input(prompt + " "));
  EXPECT_FALSE(tools::is_missing_link_input(" "));
  EXPECT_FALSE(tools::is_missing_link_input(gbk("这里填入")));
  EXPECT_FALSE(tools::is_missing_link_input("thunder://" + thunder(kAddress)));
}

}  // namespace
