#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/codepage.h"
#include "shell/program_values.h"
#include "shell/unscramble.h"

namespace {

// The inverse of unscramble_text for one byte: a pair whose second character carries
// q = position / 8 and r = position % 8, and whose first character's position p1 makes
// (q * 62 + p1) XOR r equal the byte.
std::string scramble(std::string_view plain, std::string_view alphabet) {
  std::string out;
  for (std::size_t i = 0; i < plain.size(); ++i) {
    const int b = static_cast<unsigned char>(plain[i]);
    // Vary the second character from byte to byte; take the first that has a partner.
    for (std::size_t k = 0; k < 62; ++k) {
      const int p2 = static_cast<int>((i + k) % 62);
      const int p1 = ((b ^ (p2 % 8)) - 62 * (p2 / 8) + 512) % 256;
      if (p1 < 62) {
        out += alphabet[static_cast<std::size_t>(p1)];
        out += alphabet[static_cast<std::size_t>(p2)];
        break;
      }
    }
  }
  return out;
}

TEST(ProgramValues, Lengths) {
  struct Case {
    const char* what;
    std::string value;
    std::size_t length;
  } cases[] = {
      {"event name", shell::single_instance_event_name(), 26},
      {"password", shell::list_file_password(), 29},
      {"alphabet", shell::unscramble_alphabet(), 62},
      {"version", shell::scrambled_version_text(), 92},
      {"status", shell::scrambled_status_text(), 32},
      {"home page", shell::home_page_address(), 28},
      {"site base", shell::site_base_address(), 20},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value.size(), c.length) << c.what << ": " << c.value;
}

TEST(ProgramValues, EventNameAndPassword) {
  EXPECT_EQ(shell::single_instance_event_name(), "&...00.01DKSLK..HALldfsffg");
  // Load and save each build the password anew; both must get the same text.
  const std::string password = shell::list_file_password();
  EXPECT_EQ(shell::list_file_password(), password);
  EXPECT_TRUE(std::all_of(password.begin(), password.end(), [](char c) {
    return c > 32 && c < 127;
  })) << password;
}

// Every character occurs once, so every position, and with it every byte, is reachable.
TEST(ProgramValues, AlphabetIsAPermutationOfLettersAndDigits) {
  std::string alphabet = shell::unscramble_alphabet();
  std::sort(alphabet.begin(), alphabet.end());
  EXPECT_EQ(alphabet, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

TEST(ProgramValues, StartUpTextsUnscrambleToTheirPlainTexts) {
  const std::string alphabet = shell::unscramble_alphabet();
  const std::string version =
      platform::utf8_to_cp936("MorvaleBT 种子管理器 2.0 正式版 - 免费绿色软件");
  const std::string status = platform::utf8_to_cp936("欢迎使用本软件！");
  ASSERT_EQ(version.size(), 46u);
  ASSERT_EQ(status.size(), 16u);
  EXPECT_EQ(shell::unscramble_text(shell::scrambled_version_text(), alphabet), version);
  EXPECT_EQ(shell::unscramble_text(shell::scrambled_status_text(), alphabet), status);
}

TEST(ProgramValues, EveryByteCanBeStoredWithTheAlphabet) {
  const std::string alphabet = shell::unscramble_alphabet();
  std::string every_byte;
  for (int b = 1; b < 256; ++b) every_byte.push_back(static_cast<char>(b));
  EXPECT_EQ(shell::unscramble_text(scramble(every_byte, alphabet), alphabet), every_byte);
}

TEST(ProgramValues, Addresses) {
  const std::string base = shell::site_base_address();
  EXPECT_EQ(base.back(), '/');
  EXPECT_EQ(base.rfind("http://", 0), 0u);
  EXPECT_EQ(shell::home_page_address().rfind("http://", 0), 0u);

  // The series page gets the maker's name percent-encoded in code page 936.
  std::string encoded;
  for (const char c : platform::utf8_to_cp936("莫维尔")) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(c);
    encoded += '%';
    encoded += kHex[byte >> 4];
    encoded += kHex[byte & 15];
  }
  const std::string series = shell::series_page_address();
  ASSERT_EQ(encoded.size(), 18u);
  ASSERT_GT(series.size(), encoded.size());
  EXPECT_EQ(series.rfind("http://", 0), 0u);
  EXPECT_EQ(series.substr(series.size() - encoded.size()), encoded);

  // The contact address ends in the account number, written in decimal.
  const std::string contact = shell::contact_address();
  const std::size_t equals = contact.rfind('=');
  ASSERT_NE(equals, std::string::npos);
  const std::string account = contact.substr(equals + 1);
  EXPECT_FALSE(account.empty());
  EXPECT_TRUE(std::all_of(account.begin(), account.end(), [](char c) {
    return c >= '0' && c <= '9';
  })) << contact;
  EXPECT_NE(account.front(), '0');
  EXPECT_EQ(contact.rfind("http://", 0), 0u);
}

}  // namespace
