// The list file's protection: a small authenticated cipher built from SHA-256 alone, so that
// the program needs no library beyond the standard one.
//
// Sealed layout (sizes in bytes):
//   offset  size  content
//   0       4     "MBTL", the mark of a sealed file of this program
//   4       1     format version, 1
//   5       1     work w: the key derivation runs 2^w rounds (0 to kMaxSealWork)
//   6       16    salt: fresh random bytes on every save
//   22      n     ciphertext: the plain bytes XOR the keystream
//   22+n    32    tag: HMAC-SHA-256 under the check key over every byte before it
//
// Keys: PBKDF2-HMAC-SHA-256 of the password and the salt with 2^w rounds gives 64 bytes; the
// first 32 are the cipher key, the last 32 the check key. The fresh salt makes both keys new
// on every save, so no keystream is ever used twice.
//
// Keystream: block i (i = 0, 1, ...) is SHA-256(cipher key || i as 8 bytes, little-endian);
// the 32-byte blocks follow one another, cut to the length of the plain bytes.
//
// Unsealing checks the size, the mark, the version and the work, derives the keys and
// compares the tag before anything is deciphered. A changed or missing byte anywhere, a
// longer file, another password or another format all fail the tag or the checks before it.
// The work stays in the header (and under the tag) so that a later build can raise it
// without a new format; the limit keeps a damaged header from asking for endless rounds.
#include "list/protected_file.h"

#include <algorithm>
#include <cstring>
#include <random>

namespace list {
namespace {

constexpr char kMark[4] = {'M', 'B', 'T', 'L'};
constexpr unsigned char kVersion = 1;
constexpr std::size_t kSaltSize = 16;
constexpr std::size_t kHeaderSize = sizeof kMark + 2 + kSaltSize;
constexpr std::size_t kTagSize = 32;

constexpr std::uint32_t kRoundConstants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

inline std::uint32_t rotr(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

inline const unsigned char* bytes_of(std::string_view s) {
  return reinterpret_cast<const unsigned char*>(s.data());
}

class Sha256 {
 public:
  void update(const unsigned char* data, std::size_t size);
  void update(std::string_view s) { update(bytes_of(s), s.size()); }
  Digest finish();

 private:
  void compress(const unsigned char* block);

  std::uint32_t state_[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                             0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
  unsigned char buffer_[64] = {};
  std::size_t buffered_ = 0;
  std::uint64_t length_ = 0;  // bytes given so far
};

void Sha256::compress(const unsigned char* block) {
  std::uint32_t w[64];
  for (int i = 0; i < 16; ++i) {
    w[i] = std::uint32_t{block[4 * i]} << 24 | std::uint32_t{block[4 * i + 1]} << 16 |
           std::uint32_t{block[4 * i + 2]} << 8 | std::uint32_t{block[4 * i + 3]};
  }
  for (int i = 16; i < 64; ++i) {
    const std::uint32_t s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
    const std::uint32_t s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
    w[i] = w[i - 16] + s0 + w[i - 7] + s1;
  }
  std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
  std::uint32_t e = state_[4], f = state_[5], g = state_[6], h = state_[7];
  for (int i = 0; i < 64; ++i) {
    const std::uint32_t t1 = h + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) +
                             kRoundConstants[i] + w[i];
    const std::uint32_t t2 =
        (rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
    h = g;
    g = f;
    f = e;
    e = d + t1;
    d = c;
    c = b;
    b = a;
    a = t1 + t2;
  }
  state_[0] += a;
  state_[1] += b;
  state_[2] += c;
  state_[3] += d;
  state_[4] += e;
  state_[5] += f;
  state_[6] += g;
  state_[7] += h;
}

void Sha256::update(const unsigned char* data, std::size_t size) {
  length_ += size;
  while (size > 0) {
    if (buffered_ == 0 && size >= 64) {
      compress(data);
      data += 64;
      size -= 64;
      continue;
    }
    const std::size_t take = std::min(size, 64 - buffered_);
    std::memcpy(buffer_ + buffered_, data, take);
    buffered_ += take;
    data += take;
    size -= take;
    if (buffered_ == 64) {
      compress(buffer_);
      buffered_ = 0;
    }
  }
}

// Pads with 0x80, zeros and the length in bits (big-endian) to a whole block.
Digest Sha256::finish() {
  const std::uint64_t bits = length_ * 8;
  const unsigned char padding[64] = {0x80};
  update(padding, (buffered_ < 56 ? 56 : 120) - buffered_);
  unsigned char length[8];
  for (int i = 0; i < 8; ++i) length[i] = static_cast<unsigned char>(bits >> (56 - 8 * i));
  update(length, 8);
  Digest out;
  for (int i = 0; i < 32; ++i) {
    out[i] = static_cast<unsigned char>(state_[i / 4] >> (24 - 8 * (i % 4)));
  }
  return out;
}

// HMAC with the hash states after the padded key kept, so each message costs only its own
// blocks (the key derivation hashes thousands of short messages under one key).
class Hmac {
 public:
  explicit Hmac(std::string_view key) {
    unsigned char block[64] = {};
    if (key.size() > 64) {
      const Digest short_key = sha256(key);
      std::memcpy(block, short_key.data(), short_key.size());
    } else {
      std::memcpy(block, key.data(), key.size());
    }
    unsigned char pad[64];
    for (int i = 0; i < 64; ++i) pad[i] = block[i] ^ 0x36;
    inner_.update(pad, 64);
    for (int i = 0; i < 64; ++i) pad[i] = block[i] ^ 0x5c;
    outer_.update(pad, 64);
  }

  Digest mac(const unsigned char* data, std::size_t size) const {
    Sha256 inner = inner_;
    inner.update(data, size);
    const Digest inner_digest = inner.finish();
    Sha256 outer = outer_;
    outer.update(inner_digest.data(), inner_digest.size());
    return outer.finish();
  }
  Digest mac(std::string_view message) const { return mac(bytes_of(message), message.size()); }

 private:
  Sha256 inner_;
  Sha256 outer_;
};

std::string_view as_text(const Digest& d) {
  return {reinterpret_cast<const char*>(d.data()), d.size()};
}

struct Keys {
  std::string cipher;
  std::string check;
};

Keys derive_keys(std::string_view password, std::string_view salt, int work) {
  const std::string both = pbkdf2_sha256(password, salt, std::uint32_t{1} << work, 64);
  return {both.substr(0, 32), both.substr(32)};
}

void apply_keystream(std::string_view key, char* data, std::size_t size) {
  std::uint64_t block = 0;
  for (std::size_t offset = 0; offset < size; offset += 32, ++block) {
    unsigned char counter[8];
    for (int i = 0; i < 8; ++i) counter[i] = static_cast<unsigned char>(block >> (8 * i));
    Sha256 hash;
    hash.update(key);
    hash.update(counter, sizeof counter);
    const Digest stream = hash.finish();
    const std::size_t n = std::min<std::size_t>(32, size - offset);
    for (std::size_t i = 0; i < n; ++i) {
      data[offset + i] =
          static_cast<char>(static_cast<unsigned char>(data[offset + i]) ^ stream[i]);
    }
  }
}

}  // namespace

Digest sha256(std::string_view message) {
  Sha256 hash;
  hash.update(message);
  return hash.finish();
}

Digest hmac_sha256(std::string_view key, std::string_view message) {
  return Hmac(key).mac(message);
}

std::string pbkdf2_sha256(std::string_view password, std::string_view salt, std::uint32_t rounds,
                          std::size_t length) {
  const Hmac prf(password);
  std::string out;
  for (std::uint32_t index = 1; out.size() < length; ++index) {
    std::string first(salt);
    for (int i = 3; i >= 0; --i) first.push_back(static_cast<char>(index >> (8 * i)));
    Digest u = prf.mac(first);
    Digest sum = u;
    for (std::uint32_t round = 1; round < rounds; ++round) {
      u = prf.mac(u.data(), u.size());
      for (std::size_t i = 0; i < sum.size(); ++i) sum[i] ^= u[i];
    }
    out.append(as_text(sum).substr(0, length - out.size()));
  }
  return out;
}

std::string seal(std::string_view plain, std::string_view password, int work) {
  work = std::clamp(work, 0, kMaxSealWork);
  std::string sealed;
  sealed.reserve(kHeaderSize + plain.size() + kTagSize);
  sealed.append(kMark, sizeof kMark);
  sealed.push_back(static_cast<char>(kVersion));
  sealed.push_back(static_cast<char>(work));
  std::random_device random;
  for (std::size_t i = 0; i < kSaltSize; i += 4) {
    const std::uint32_t word = random();
    for (int k = 0; k < 4; ++k) sealed.push_back(static_cast<char>(word >> (8 * k)));
  }
  const Keys keys =
      derive_keys(password, std::string_view(sealed).substr(kHeaderSize - kSaltSize), work);
  sealed.append(plain);
  apply_keystream(keys.cipher, sealed.data() + kHeaderSize, plain.size());
  sealed.append(as_text(Hmac(keys.check).mac(sealed)));
  return sealed;
}

std::optional<std::string> unseal(std::string_view sealed, std::string_view password) {
  if (sealed.size() < kHeaderSize + kTagSize) return std::nullopt;
  if (sealed.substr(0, sizeof kMark) != std::string_view(kMark, sizeof kMark)) return std::nullopt;
  if (static_cast<unsigned char>(sealed[4]) != kVersion) return std::nullopt;
  const int work = static_cast<unsigned char>(sealed[5]);
  if (work > kMaxSealWork) return std::nullopt;

  const Keys keys = derive_keys(password, sealed.substr(kHeaderSize - kSaltSize, kSaltSize), work);
  const std::string_view body = sealed.substr(0, sealed.size() - kTagSize);
  const Digest tag = Hmac(keys.check).mac(body);
  // Every byte is compared, so the time taken does not tell where the tags differ.
  unsigned char difference = 0;
  for (std::size_t i = 0; i < kTagSize; ++i) {
    difference |=
        static_cast<unsigned char>(tag[i] ^ static_cast<unsigned char>(sealed[body.size() + i]));
  }
  if (difference != 0) return std::nullopt;

  std::string plain(body.substr(kHeaderSize));
  apply_keystream(keys.cipher, plain.data(), plain.size());
  return plain;
}

}  // namespace list
