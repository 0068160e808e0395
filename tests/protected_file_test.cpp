#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "list/protected_file.h"

namespace {

template <typename Bytes>
std::string hex(const Bytes& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (const auto byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

// A password of the length the program uses.
constexpr std::string_view kPassword = "Qm7#tR2vX9kLp4Wz8NcB1yHs6DfGj";

// The published test messages, and messages whose padding ends just before, on and after a
// block boundary.
TEST(Sha256, KnownDigests) {
  struct Case {
    std::string message;
    std::string_view digest;
  } cases[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlm"
       "nopqrsmnopqrstnopqrstu",
       "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
      {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
      {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
      {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
      {std::string(1000000, 'a'),
       "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(hex(list::sha256(c.message)), c.digest) << c.message.size() << " bytes";
  }
}

// The published HMAC-SHA-256 cases with full-length output, keys longer than a block
// included.
TEST(HmacSha256, KnownTags) {
  struct Case {
    std::string key, message;
    std::string_view tag;
  } cases[] = {
      {std::string(20, '\x0b'), "Hi There",
       "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7"},
      {"Jefe", "what do ya want for nothing?",
       "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843"},
      {std::string(20, '\xaa'), std::string(50, '\xdd'),
       "773ea91e36800e46854db8ebd09181a72959098b3ef8c122d9635514ced565fe"},
      {"\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f\x10\x11\x12\x13\x14\x15\x16"
       "\x17\x18\x19",
       std::string(50, '\xcd'), "82558a389a443c0ea4cc819899f2083a85f0faa3e578f8077a2e3ff46729665b"},
      {std::string(131, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First",
       "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54"},
      {std::string(131, '\xaa'),
       "This is a test using a larger than block-size key and a larger than block-size data. The "
       "key needs to be hashed before being used by the HMAC algorithm.",
       "9b09ffa71b942fcb27635fbcd5b0e944bfdc63644f0713938a7f51535c3a35e2"},
  };
  for (const Case& c : cases) EXPECT_EQ(hex(list::hmac_sha256(c.key, c.message)), c.tag);
}

// Published key-derivation results: one round over two output blocks, and many rounds with
// an output that ends inside its second block.
TEST(Pbkdf2Sha256, KnownKeys) {
  EXPECT_EQ(hex(list::pbkdf2_sha256("passwd", "salt", 1, 64)),
            "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
            "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783");
  EXPECT_EQ(hex(list::pbkdf2_sha256("password", "salt", 4096, 32)),
            "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
  EXPECT_EQ(hex(list::pbkdf2_sha256("passwordPASSWORDpassword",
                                    "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 40)),
            "348c89dbcbd32b2f32d814b8116e84cf2b17347ebc1800181c4e2a1fb8dd53e1c635518c7dac47e9");
}

TEST(Seal, GivesBackExactlyTheBytesSealed) {
  std::string large;
  for (std::size_t i = 0; i < 300000; ++i) large += static_cast<char>((i * 7919) >> 3);
  const std::string cases[] = {
      "",
      std::string("a*-*b=-=\0", 9),
      "\xD6\xD0\xCE\xC4*-*C:\\\xCF\xC2\xD4\xD8\\*-*1.1KB=-=",
      std::string(31, 'x'),  // around the keystream's 32-byte blocks
      std::string(33, 'x'),
      large,
  };
  for (const std::string& plain : cases) {
    const std::string sealed = list::seal(plain, kPassword);
    EXPECT_EQ(list::unseal(sealed, kPassword), plain) << plain.size() << " bytes";
  }
}

TEST(Seal, HidesTheContentAndUsesAFreshSaltEachTime) {
  const std::string plain = "C:\\torrents\\some-long-recognisable-name.torrent=-=";
  const std::string first = list::seal(plain, kPassword);
  const std::string second = list::seal(plain, kPassword);
  EXPECT_EQ(first.find("recognisable"), std::string::npos);
  EXPECT_NE(first, second);
  // The ciphertext sits just before the 32-byte tag; a keystream used twice would repeat it.
  const std::size_t at = first.size() - 32 - plain.size();
  EXPECT_NE(first.substr(at, plain.size()), second.substr(at, plain.size()));
}

// The cheapest work keeps this to a few hundred derivations; every byte of the sealed file,
// the work byte included, is under the check.
TEST(Unseal, DetectsEveryBitFlipAndEveryCut) {
  const std::string sealed = list::seal("a*-*b=-=", kPassword, 0);
  ASSERT_EQ(list::unseal(sealed, kPassword), "a*-*b=-=");
  for (std::size_t i = 0; i < sealed.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit) {
      std::string damaged = sealed;
      damaged[i] = static_cast<char>(damaged[i] ^ (1 << bit));
      EXPECT_EQ(list::unseal(damaged, kPassword), std::nullopt) << "byte " << i << " bit " << bit;
    }
  }
  for (std::size_t size = 0; size < sealed.size(); ++size) {
    EXPECT_EQ(list::unseal(sealed.substr(0, size), kPassword), std::nullopt) << size;
  }
  EXPECT_EQ(list::unseal(sealed + '\0', kPassword), std::nullopt);
}

TEST(Unseal, RefusesOtherPasswordsAndOtherFiles) {
  const std::string sealed = list::seal("a*-*b=-=", kPassword);
  std::string last_changed(kPassword);
  last_changed.back() = 'k';
  const std::string passwords[] = {"", std::string(kPassword.substr(0, 28)), last_changed,
                                   std::string(kPassword) + "x"};
  for (const std::string& password : passwords) {
    EXPECT_EQ(list::unseal(sealed, password), std::nullopt) << password;
  }
  // Unprotected content, long enough to pass for a sealed file by its size.
  EXPECT_EQ(list::unseal(std::string(60, 'a') + "*-*b=-=", kPassword), std::nullopt);
}

}  // namespace
