# Drives morvalebt-cli as a user would and checks exit statuses and exact output bytes.
# Run with: cmake -DCLI=... -DEMULATOR=... -DDATA=... -DWORK=... -DWINDOWS=... -P cli_test.cmake

set(failures 0)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# Runs the CLI; sets out_file to a file holding its standard output and `status`.
function(run_cli name)
  set(out_file "${WORK}/${name}.out" PARENT_SCOPE)
  execute_process(COMMAND ${EMULATOR} "${CLI}" ${ARGN}
    OUTPUT_FILE "${WORK}/${name}.out"
    ERROR_FILE "${WORK}/${name}.err"
    RESULT_VARIABLE result
    WORKING_DIRECTORY "${WORK}")
  set(status "${result}" PARENT_SCOPE)
endfunction()

function(expect_status name expected)
  run_cli(${name} ${ARGN})
  if(NOT status STREQUAL expected)
    message(SEND_ERROR "${name}: exit status ${status}, expected ${expected}")
  endif()
endfunction()

# The output of a run must be exactly the concatenation of the given files.
function(expect_bytes name)
  set(expected "")
  foreach(file ${ARGN})
    file(READ "${file}" hex HEX)
    string(APPEND expected "${hex}")
  endforeach()
  file(READ "${WORK}/${name}.out" actual HEX)
  if(NOT actual STREQUAL expected)
    message(SEND_ERROR "${name}: output differs from ${ARGN}")
  endif()
endfunction()

set(samples "${DATA}/samples")
set(golden "${DATA}/golden")

# Usage.
expect_status(help 0 --help)
file(READ "${WORK}/help.out" help)
if(NOT help MATCHES "usage: morvalebt-cli describe")
  message(SEND_ERROR "help: no usage text")
endif()
expect_status(describe_help 0 describe --help)
expect_status(no_command 2)
expect_status(unknown_command 2 summon x)
expect_status(no_path 2 describe --raw)
expect_status(bad_mode 2 describe --mode one "${samples}/single_file.torrent")
expect_status(missing_mode 2 describe "${samples}/single_file.torrent" --mode)
expect_status(unknown_option 2 describe --fast "${samples}/single_file.torrent")

# Raw output is the block's bytes exactly; several blocks follow each other directly.
expect_status(raw_full 0 describe --raw "${samples}/multi_file.torrent")
expect_bytes(raw_full "${golden}/multi_file.mode1.txt")
expect_status(raw_short 0 describe --raw --mode 0 "${samples}/single_file.torrent"
  "${samples}/gbk_legacy.torrent")
expect_bytes(raw_short "${golden}/single_file.mode0.txt" "${golden}/gbk_legacy.mode0.txt")
expect_status(raw_mode2 0 describe --mode 2 --raw -- "${samples}/gbk_legacy.torrent")
expect_bytes(raw_mode2 "${golden}/gbk_legacy.mode0.txt")

# Anything that is not a readable torrent makes the status 1, but every block is printed.
expect_status(missing 1 describe --raw "${WORK}/missing.torrent" "${samples}/single_file.torrent")
file(SIZE "${WORK}/missing.out" missing_size)
file(SIZE "${golden}/single_file.mode1.txt" single_size)
math(EXPR expected_size "${single_size} + 34")  # the missing-file message is 34 bytes
if(NOT missing_size EQUAL expected_size)
  message(SEND_ERROR "missing: ${missing_size} bytes, expected ${expected_size}")
endif()
expect_status(not_torrent 1 describe --raw "${samples}/not_torrent.torrent")
expect_bytes(not_torrent "${golden}/not_torrent.mode1.txt")
expect_status(directory 1 describe --raw "${samples}")

# A path with Chinese characters, given in the system's encoding.
file(COPY_FILE "${samples}/single_file.torrent" "${WORK}/中文种子.torrent")
expect_status(chinese_path 0 describe --raw "${WORK}/中文种子.torrent")
expect_bytes(chinese_path "${golden}/single_file.mode1.txt")

# For the terminal: converted text, and with several paths a line holding each path.
expect_status(terminal 0 describe --mode 0 "${samples}/single_file.torrent"
  "${samples}/multi_file.torrent")
if(NOT WINDOWS)
  file(READ "${WORK}/terminal.out" text)
  string(FIND "${text}" "\r" cr)
  string(FIND "${text}" "${samples}/multi_file.torrent\n∞:" second_header)
  if(NOT cr EQUAL -1 OR second_header EQUAL -1 OR NOT text MATCHES "^${samples}/single_file.torrent\n∞:")
    message(SEND_ERROR "terminal: expected UTF-8 blocks with LF line ends under their paths")
  endif()
  if(NOT text MATCHES "√种子制作人：匿名\n")
    message(SEND_ERROR "terminal: block text not converted to UTF-8")
  endif()
endif()

# decode: encoded download links back to plain addresses.
# The output of a run must be exactly the bytes given in hexadecimal.
function(expect_hex name expected)
  file(READ "${WORK}/${name}.out" actual HEX)
  if(NOT actual STREQUAL expected)
    message(SEND_ERROR "${name}: output ${actual}, expected ${expected}")
  endif()
endfunction()

expect_status(decode_help 0 decode --help)
expect_status(decode_no_link 2 decode --raw)
expect_status(decode_unknown_option 2 decode --fast qqdl://aHR0cDovL2V4YW1wbGUuY29tL2ZpbGUuemlw)

# Each one carries http://example.com/file.zip, wrapped as its download manager does.
set(thunder_link "thunder://QUFodHRwOi8vZXhhbXBsZS5jb20vZmlsZS56aXBaWg==")
set(flashget_link
  "FLASHGET://W0ZMQVNIR0VUXWh0dHA6Ly9leGFtcGxlLmNvbS9maWxlLnppcFtGTEFTSEdFVF0=&18859")
set(qqdl_link "qqdl://aHR0cDovL2V4YW1wbGUuY29tL2ZpbGUuemlw")
set(fs2you_link "fs2you://ZXhhbXBsZS5jb20vZmlsZS56aXB8MjA0OHx4")  # "example.com/file.zip|2048|x"

# One address a line; a link too short gives an empty line, a plain address comes back.
expect_status(decode_lines 0 decode ${thunder_link} ${flashget_link} ${qqdl_link}
  ${fs2you_link} qqdl://QUJDREVG -- http://www.example.com/index.html)
file(READ "${WORK}/decode_lines.out" text)
set(file_zip "http://example.com/file.zip")
if(NOT text STREQUAL
   "${file_zip}\n${file_zip}\n${file_zip}\n${file_zip}\n\nhttp://www.example.com/index.html\n")
  message(SEND_ERROR "decode_lines: got [${text}]")
endif()

# "AA" + "http://例子.com/中文资料.rar" in code page 936 + "ZZ": with --raw its code page 936
# bytes exactly, nothing added; several results follow each other directly.
set(chinese_thunder "thunder://QUFodHRwOi8vwP3X0y5jb20v1tDOxNfKwc8ucmFyWlo=")
set(chinese_gbk "687474703a2f2fc0fdd7d32e636f6d2fd6d0cec4d7cac1cf2e726172")
expect_status(decode_raw 0 decode --raw ${chinese_thunder})
expect_hex(decode_raw "${chinese_gbk}")
expect_status(decode_raw_two 0 decode ${qqdl_link} --raw ${chinese_thunder})
expect_hex(decode_raw_two "687474703a2f2f6578616d706c652e636f6d2f66696c652e7a6970${chinese_gbk}")

# A link of no known scheme comes back as given. With --raw on POSIX that is the
# argument's own bytes; on Windows, where arguments arrive as UTF-16, their code page 936
# form.
set(chinese_link "网址://例子.com/中文页面.htm")
expect_status(decode_raw_unknown 0 decode --raw ${chinese_link})
if(WINDOWS)
  expect_hex(decode_raw_unknown
    "cdf8d6b73a2f2fc0fdd7d32e636f6d2fd6d0cec4d2b3c3e62e68746d")
else()
  expect_hex(decode_raw_unknown
    "e7bd91e59d803a2f2fe4be8be5ad902e636f6d2fe4b8ade69687e9a1b5e99da22e68746d")
  # For the terminal, results are converted back to the system's encoding.
  expect_status(decode_terminal 0 decode ${chinese_thunder} ${chinese_link})
  file(READ "${WORK}/decode_terminal.out" text)
  if(NOT text STREQUAL "http://例子.com/中文资料.rar\n${chinese_link}\n")
    message(SEND_ERROR "decode_terminal: got [${text}]")
  endif()
endif()
