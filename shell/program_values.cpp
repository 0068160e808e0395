// Values the program keeps out of its stored texts: each is put together at run time from
// character codes, one-digit numbers written as text and short stored fragments, so none
// of them is found whole in the executable.
#include "shell/program_values.h"

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "text/number_format.h"

namespace shell {

namespace {

void append_codes(std::string& out, std::initializer_list<int> codes) {
  for (const int code : codes) out.push_back(static_cast<char>(code));
}

void append_digit(std::string& out, unsigned digit) { text::append_uint(out, digit); }

// "http://" and the site's host name, without a closing slash.
void append_site_host(std::string& out) {
  append_codes(out, {104, 116, 116, 112, 58, 47, 47});
  out += "morvale";
  out += "bt";
  out.push_back(46);
  out += "cn";
}

}  // namespace

std::string single_instance_event_name() {
  std::string name;
  name.push_back(38);
  name.append(3, static_cast<char>(46));
  append_digit(name, 0);
  append_digit(name, 0);
  name.push_back(46);
  append_digit(name, 0);
  append_digit(name, 1);
  name += "DKSLK";
  name.append(2, static_cast<char>(46));
  name += "HAL";
  name += "ldfs";
  name += "ffg";
  return name;
}

std::string list_file_password() {
  static constexpr std::string_view kFirstLetter = "K";
  static constexpr std::string_view kSecondLetter = "w";
  std::string password;
  append_codes(password, {77, 118, 114, 35});
  append_digit(password, 7);
  password += kFirstLetter;
  append_codes(password, {98, 84, 95, 120, 81, 54, 109});
  append_digit(password, 2);
  append_digit(password, 9);
  append_codes(password, {64, 106, 76, 126, 101, 71, 115, 33});
  password += kSecondLetter;
  append_codes(password, {43, 80, 104, 121});
  append_digit(password, 4);
  return password;
}

// A permutation of the 62 ASCII letters and digits; each character occurs once, so its
// position is unambiguous.
std::string unscramble_alphabet() {
  static constexpr std::string_view kHead = "4cRSPlKfoC5ZqYEgIiebk";
  static constexpr std::string_view kMiddle = "pd3jAUM7uLFv1WaDH9TrsOB62wtXJ";
  std::string alphabet(kHead);
  for (const char c : {'y', 'n', '8', 'G', 'h', 'N'}) alphabet.push_back(c);
  alphabet += kMiddle;
  for (const char c : {'z', 'Q', 'V', 'x', '0', 'm'}) alphabet.push_back(c);
  return alphabet;
}

// The about page's version line, 46 bytes once unscrambled.
std::string scrambled_version_text() {
  return std::string(
      "eTza4X2gvYXWra5DjW9LMmnjUmAV5mHQ5d2GeVmGHuQu2FmFrvjmlUkdcjtiwzLPaPU4y0tmw8hNk0n0Ehri8QO"
      "AqVSF");
}

// The status line's greeting, 16 bytes once unscrambled, kept as four pieces out of order.
std::string scrambled_status_text() {
  static constexpr std::string_view kPieces[] = {"4xo0pmwp", "Kxt8npQO", "ShP72wTO", "GzcNUQoh"};
  std::string scrambled;
  for (const std::size_t piece : {1u, 3u, 0u, 2u}) scrambled += kPieces[piece];
  return scrambled;
}

std::string home_page_address() {
  std::string address;
  append_site_host(address);
  address.push_back(47);
  address += "home";
  address.push_back(46);
  address += "htm";
  return address;
}

std::string site_base_address() {
  std::string address;
  append_site_host(address);
  address.push_back(47);
  return address;
}

// The maker's name is kept percent-encoded in code page 936, as the series page expects it.
std::string series_page_address() {
  static constexpr std::string_view kMakerName = "%C4%AA%CE%AC%B6%FB";
  std::string address;
  append_site_host(address);
  address.push_back(47);
  address += "series";
  append_codes(address, {47, 63});
  address += "maker";
  address.push_back(61);
  address += kMakerName;
  return address;
}

std::string contact_address() {
  static constexpr std::uint64_t kAccount = 735201846;
  std::string address;
  append_site_host(address);
  address.push_back(47);
  address += "contact";
  append_codes(address, {47, 63, 113, 113, 61});
  text::append_uint(address, kAccount);
  return address;
}

}  // namespace shell
