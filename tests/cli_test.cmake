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
