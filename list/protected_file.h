// The password-protected file layer: bytes sealed under a password come back exactly as
// they were written, or not at all when the sealed bytes were damaged, cut short, sealed
// under another password or written in another format.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace list {

// Log2 of the key-derivation rounds: what a save uses, and the most a file may ask for.
inline constexpr int kSealWork = 13;
inline constexpr int kMaxSealWork = 16;

// `plain` enciphered under `password` with a fresh random salt and a check tag. `work`
// (0 to kMaxSealWork) is recorded in the sealed bytes.
std::string seal(std::string_view plain, std::string_view password, int work = kSealWork);

// The bytes that were sealed, or nothing when the check fails.
std::optional<std::string> unseal(std::string_view sealed, std::string_view password);

// The building blocks: SHA-256, HMAC-SHA-256 and PBKDF2-HMAC-SHA-256.
using Digest = std::array<unsigned char, 32>;
Digest sha256(std::string_view message);
Digest hmac_sha256(std::string_view key, std::string_view message);
std::string pbkdf2_sha256(std::string_view password, std::string_view salt, std::uint32_t rounds,
                          std::size_t length);

}  // namespace list
