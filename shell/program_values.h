// Values the program puts together at run time rather than storing them whole: the
// single-instance event name, the list-file password, the unscrambling alphabet and the
// scrambled start-up texts, and the web addresses of the links.
#pragma once

#include <cstdint>
#include <string>

namespace shell {

std::string single_instance_event_name();  // 26 characters
std::string list_file_password();          // 29 characters

std::string unscramble_alphabet();     // 62 characters
std::string scrambled_version_text();  // 92 characters, unscrambles to 46 bytes
std::string scrambled_status_text();   // 32 characters, unscrambles to 16 bytes

std::string home_page_address();  // 28 characters
std::string site_base_address();  // 20 characters, ends with "/"
std::string series_page_address();  // prefix + the maker's name, percent-encoded (18 chars)
std::string contact_address();      // prefix + the account number in decimal

}  // namespace shell
