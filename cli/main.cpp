// morvalebt-cli: the program's torrent tools on the command line.

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/terminal.h"
#include "metadata/describe.h"
#include "tools/link_decoder.h"

#ifdef _WIN32
#include "platform/codepage.h"
#endif

namespace {

constexpr std::string_view kUsage =
    "usage: morvalebt-cli describe [--mode N] [--raw] PATH...\n"
    "\n"
    "Prints the description block of each torrent file.\n"
    "  --mode N   1 (the default): the full block, with the file list headers and the\n"
    "             tracker servers; any other number: the short block\n"
    "  --raw      write the blocks' code page 936 bytes exactly, nothing added\n"
    "\n"
    "Exit status: 0 when every file was read as a torrent, 1 otherwise, 2 for bad usage.\n"
    "\n"
    "usage: morvalebt-cli decode [--raw] LINK...\n"
    "\n"
    "Turns each encoded download link (thunder:, flashget:, qqdl:, fs2you:) back into the\n"
    "plain address it carries and prints it on a line of its own. A link of any other\n"
    "scheme is printed as given; one too short or malformed for its scheme prints as an\n"
    "empty line.\n"
    "  --raw      take each LINK's bytes as code page 936 text as given and write the\n"
    "             result's bytes exactly, nothing added: results follow each other with\n"
    "             nothing between them, so this is meant for one LINK\n"
    "\n"
    "Exit status: 0, or 2 for bad usage.\n";

constexpr int kExitBadUsage = 2;

int usage_error(std::string_view message) {
  cli::error_text("morvalebt-cli: ");
  cli::error_text(message);
  cli::error_text("\n\n");
  cli::error_text(kUsage);
  return kExitBadUsage;
}

bool parse_mode(const std::string& text, int& mode) {
  if (text.empty() || text.size() > 10) return false;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0') return false;
  mode = static_cast<int>(value);
  return true;
}

// The options and operands of a subcommand: "--raw", "--mode N" where the subcommand takes
// it, and "--" after which everything is an operand.
struct Arguments {
  bool raw = false;
  int mode = 1;
  std::vector<std::size_t> operands;  // indexes into the arguments
  std::string error;                  // why the arguments are not usable, empty when they are
};

Arguments parse_arguments(const std::vector<std::string>& args,
                          const std::vector<std::string>& shown, bool takes_mode) {
  Arguments parsed;
  bool options_done = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!options_done && arg == "--") {
      options_done = true;
    } else if (!options_done && arg == "--raw") {
      parsed.raw = true;
    } else if (!options_done && takes_mode && arg == "--mode") {
      if (i + 1 >= args.size() || !parse_mode(args[i + 1], parsed.mode)) {
        parsed.error = "--mode needs a whole number";
        return parsed;
      }
      ++i;
    } else if (!options_done && arg.size() > 1 && arg[0] == '-') {
      parsed.error = "unknown option " + shown[i];
      return parsed;
    } else {
      parsed.operands.push_back(i);
    }
  }
  return parsed;
}

// Arguments are code page 936 texts here; `shown` keeps each path as the user typed it.
int run_describe(const std::vector<std::string>& args, const std::vector<std::string>& shown) {
  const Arguments parsed = parse_arguments(args, shown, /*takes_mode=*/true);
  if (!parsed.error.empty()) return usage_error(parsed.error);
  if (parsed.operands.empty()) return usage_error("no PATH given");

  cli::Output out;
  bool all_torrents = true;
  for (const std::size_t i : parsed.operands) {
    const metadata::Description description =
        metadata::describe_torrent_with_status(args[i], parsed.mode);
    if (description.status != metadata::DescribeStatus::kDescribed) all_torrents = false;
    if (parsed.raw) {
      out.raw(description.text);
      continue;
    }
    if (parsed.operands.size() > 1) {
      out.text(args[i]);
      out.raw("\n");
    }
    out.text(description.text);
    if (description.text.empty() || description.text.back() != '\n') out.raw("\n");
  }
  return all_torrents ? 0 : 1;
}

// A link as the bytes it was given in: on POSIX the argument itself, which `shown` keeps
// untouched; on Windows, where arguments arrive as UTF-16, its code page 936 form.
const std::string& given_bytes(const std::vector<std::string>& args,
                               const std::vector<std::string>& shown, std::size_t i) {
#ifdef _WIN32
  static_cast<void>(shown);
  return args[i];
#else
  static_cast<void>(args);
  return shown[i];
#endif
}

// Arguments are code page 936 texts here, converted from the system's encoding; with
// --raw the links are taken as given instead.
int run_decode(const std::vector<std::string>& args, const std::vector<std::string>& shown) {
  const Arguments parsed = parse_arguments(args, shown, /*takes_mode=*/false);
  if (!parsed.error.empty()) return usage_error(parsed.error);
  if (parsed.operands.empty()) return usage_error("no LINK given");

  cli::Output out;
  for (const std::size_t i : parsed.operands) {
    if (parsed.raw) {
      out.raw(tools::decode_download_link(given_bytes(args, shown, i)));
      continue;
    }
    out.text(tools::decode_download_link(args[i]));
    out.raw("\n");
  }
  return 0;
}

int run(const std::vector<std::string>& args, const std::vector<std::string>& shown) {
  if (args.empty()) return usage_error("no command given");
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    cli::Output out;
    out.raw(kUsage);
    return 0;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  const std::vector<std::string> rest_shown(shown.begin() + 1, shown.end());
  for (const std::string& arg : rest) {
    if (arg == "--help" || arg == "-h") {
      cli::Output out;
      out.raw(kUsage);
      return 0;
    }
  }
  if (command == "describe") return run_describe(rest, rest_shown);
  if (command == "decode") return run_decode(rest, rest_shown);
  return usage_error("unknown command " + shown[0]);
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args, shown;
  for (int i = 1; i < argc; ++i) {
    args.push_back(platform::wide_to_cp936(argv[i]));
    shown.push_back(platform::cp936_to_utf8(args.back()));
  }
  return run(args, shown);
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> args, shown;
  for (int i = 1; i < argc; ++i) {
    args.push_back(cli::argument_to_cp936(argv[i]));
    shown.emplace_back(argv[i]);
  }
  return run(args, shown);
}
#endif
