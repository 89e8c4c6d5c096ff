# cmake -DCLI=fortwright-cli -DVERSION=x.y.z -DSCRATCH=dir -DOUT=fortwright-cli.1.gz -P this
#
# Writes the CLI's man page from what the CLI itself prints for --help and for each command's --help.
# --help opens no session; the CLI still runs with a home and data folder of its own under SCRATCH,
# so that nothing of the builder's is ever read or written.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${SCRATCH}")
set(ENV{HOME} "${SCRATCH}/home")
set(ENV{XDG_CONFIG_HOME} "${SCRATCH}/home/.config")
set(ENV{XDG_DATA_HOME} "${SCRATCH}/home/.local/share")
set(ENV{FORTWRIGHT_HOME} "${SCRATCH}/data")
unset(ENV{FORTWRIGHT_SETTINGS})
set(ENV{LC_ALL} C.UTF-8)

# CMake lists are split at semicolons, so the texts carry them as a mark until they are written.
string(ASCII 31 semicolon)

function(run_cli out_var)
    execute_process(COMMAND "${CLI}" ${ARGN} --help
        OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE code)
    if(NOT code EQUAL 0)
        list(JOIN ARGN " " words)
        message(FATAL_ERROR "fortwright-cli ${words} --help exited ${code}: ${errors}")
    endif()
    string(REGEX REPLACE "\n$" "" text "${text}")
    string(REPLACE ";" "${semicolon}" text "${text}")
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# Text as troff shows it literally: backslashes, minus signs, and a dot or quote opening a line.
function(troff out_var text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    string(REPLACE "${semicolon}" ";" text "${text}")
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

run_cli(general)
string(REPLACE "\n" ";" general_lines "${general}")
list(POP_FRONT general_lines synopsis commands_heading)
string(REGEX REPLACE "^Usage: +" "" synopsis "${synopsis}")
# Each command's usage repeats the global options; the page shows them once, in the synopsis.
string(REPLACE "COMMAND [ARGS...]" "" global_prefix "${synopsis}")

set(entries "")
foreach(line IN LISTS general_lines)
    if(NOT line MATCHES "^  ([a-z-]+( [a-z-]+)*)  +(.+)$")
        continue()
    endif()
    string(REPLACE " " ";" words "${CMAKE_MATCH_1}")
    run_cli(usage ${words})
    string(REGEX MATCH "^Usage: [^\n]*" usage_line "${usage}")
    string(REGEX REPLACE "^Usage: " "" usage_line "${usage_line}")
    string(FIND "${usage_line}" "${global_prefix}" at)
    if(at EQUAL 0)
        string(LENGTH "${global_prefix}" skip)
        string(SUBSTRING "${usage_line}" ${skip} -1 usage_line)
    endif()
    string(REGEX REPLACE "^Usage: [^\n]*\n?" "" details "${usage}")
    string(REGEX REPLACE "(^|\n) +" "\\1" details "${details}")
    troff(usage_line "${usage_line}")
    troff(details "${details}")
    string(APPEND entries ".TP\n.B ${usage_line}\n${details}\n")
endforeach()
if(entries STREQUAL "")
    message(FATAL_ERROR "fortwright-cli --help listed no commands:\n${general}")
endif()

troff(synopsis "${synopsis}")
troff(commands_heading "${commands_heading}")
set(page ".TH FORTWRIGHT\\-CLI 1 \"\" \"Fortwright ${VERSION}\" \"User Commands\"
.SH NAME
fortwright\\-cli \\- set up and run a Medal of Honor: Allied Assault dedicated server without a window
.SH SYNOPSIS
.B ${synopsis}
.SH COMMANDS
${commands_heading}
${entries}")

get_filename_component(out_dir "${OUT}" DIRECTORY)
get_filename_component(out_name "${OUT}" NAME_WLE)
file(WRITE "${out_dir}/${out_name}" "${page}")
# Debian ships man pages compressed; a fixed time keeps the file the same from build to build.
file(ARCHIVE_CREATE OUTPUT "${OUT}" PATHS "${out_dir}/${out_name}" FORMAT raw COMPRESSION GZip MTIME 0)
file(REMOVE_RECURSE "${SCRATCH}")
