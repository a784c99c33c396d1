# Writes the header that gives each command its synopsis, summary and options
# as the command-line reference (docs/cli/NAME.md) words them, so that
# `ovantra-rules COMMAND --help` and the manual page cannot drift apart.
#   cmake -DPAGES_DIR=docs/cli -DCOMMANDS=check,diff,... -DOUTPUT=header -P command_help.cmake
# Each page holds: "# ovantra-rules NAME", one line of summary, "## Synopsis"
# with a ```text block, and "## Options" up to the next "## ".

function(read_page name out_arguments out_brief out_help)
  set(file "${PAGES_DIR}/${name}.md")
  file(READ "${file}" text)
  string(REGEX MATCH "^# ovantra-rules ${name}\n\n([^\n]+)\n" found "${text}")
  if(NOT found)
    message(FATAL_ERROR "${file}: the title \"# ovantra-rules ${name}\" and a one-line summary are missing")
  endif()
  set(summary "${CMAKE_MATCH_1}")
  string(REGEX MATCH "\n## Synopsis\n\n```text\n([^`]+)```\n" found "${text}")
  if(NOT found)
    message(FATAL_ERROR "${file}: no \"## Synopsis\" with a ```text block")
  endif()
  set(synopsis "${CMAKE_MATCH_1}")
  string(REGEX MATCH "^ovantra-rules ${name} ?([^\n]*)\n" found "${synopsis}")
  if(NOT found)
    message(FATAL_ERROR "${file}: the synopsis does not start with \"ovantra-rules ${name}\"")
  endif()
  set(arguments "${CMAKE_MATCH_1}")

  string(FIND "${text}" "\n## Options\n\n" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "${file}: no \"## Options\"")
  endif()
  math(EXPR start "${start} + 13")
  string(SUBSTRING "${text}" ${start} -1 options)
  string(FIND "${options}" "\n## " end)
  string(SUBSTRING "${options}" 0 ${end} options)
  # Markdown to terminal text: no links, code marks or emphasis; list items
  # indented under "Options:".
  string(REGEX REPLACE "\\[([^]]*)\\]\\([^)]*\\)" "\\1" options "${options}")
  string(REPLACE "`" "" options "${options}")
  string(REPLACE "**" "" options "${options}")
  string(REGEX REPLACE "\n  " "\n      " options "\n${options}")
  string(REGEX REPLACE "\n- " "\n  " options "${options}")
  string(STRIP "${options}" options)

  string(REGEX REPLACE "\n(.)" "\n       \\1" usage "${synopsis}")
  set(${out_help} "usage: ${usage}${summary}\n\nOptions:\n  ${options}\n" PARENT_SCOPE)
  # The usage text's list: the summary without its capital and its full stop.
  string(SUBSTRING "${summary}" 0 1 first)
  string(TOLOWER "${first}" first)
  string(REGEX REPLACE "^.(.*)\\.$" "${first}\\1" brief "${summary}")
  set(${out_arguments} "${arguments}" PARENT_SCOPE)
  set(${out_brief} "${brief}" PARENT_SCOPE)
endfunction()

string(REPLACE "," ";" COMMANDS "${COMMANDS}")
get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
set(header "#pragma once\n\n// Made at build time from docs/cli/*.md by app/tool/command_help.cmake.\n\n")
string(APPEND header "namespace tool::reference {\n\n")
string(APPEND header "struct Page {\n    const char* name;\n    const char* arguments;  // the synopsis's first line after the command's name\n")
string(APPEND header "    const char* summary;    // without capital and full stop, for the list of commands\n")
string(APPEND header "    const char* help;       // what COMMAND --help prints\n};\n\n")
foreach(name ${COMMANDS})
  read_page(${name} arguments brief help)
  string(MAKE_C_IDENTIFIER "${name}" id)
  string(APPEND header "inline constexpr Page page_${id} = {\"${name}\", R\"ref(${arguments})ref\",\n"
                       "    R\"ref(${brief})ref\",\n    R\"ref(${help})ref\"};\n\n")
endforeach()
string(APPEND header "}  // namespace tool::reference\n")

# Rewritten only when it changes, so that an edit of the prose elsewhere in a
# page rebuilds nothing.
file(WRITE "${OUTPUT}.new" "${header}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
