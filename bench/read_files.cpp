// read-files: the floor for any tool that reads whole files.
//
// Reads every path given on the command line completely into memory with
// fopen/fread (one buffer, reused and grown as needed) and prints the total
// number of bytes read. Used by the benchmark as the reference for
// "describe" over a large collection of small files.

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  std::vector<char> buf(1 << 20);
  unsigned long long total = 0;
  int status = 0;

  for (int i = 1; i < argc; ++i) {
    std::FILE* f = std::fopen(argv[i], "rb");
    if (!f) {
      std::fprintf(stderr, "read-files: cannot open %s\n", argv[i]);
      status = 1;
      continue;
    }
    std::size_t used = 0;
    for (;;) {
      if (used == buf.size()) buf.resize(buf.size() * 2);
      std::size_t got = std::fread(buf.data() + used, 1, buf.size() - used, f);
      used += got;
      if (got == 0) break;
    }
    if (std::ferror(f)) {
      std::fprintf(stderr, "read-files: error reading %s\n", argv[i]);
      status = 1;
    }
    std::fclose(f);
    total += used;
  }

  std::printf("%llu\n", total);
  return status;
}
