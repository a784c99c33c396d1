# Puts the pages of the command-line reference together as one Markdown
# manual page for go-md2man: the program's page (its sections become the
# page's NAME, SYNOPSIS, ...), then each command's page as a section of its
# own whose headings are subsections, then SEE ALSO.
#   cmake -DMAIN=docs/cli/ovantra-rules.md -DCOMMANDS=docs/cli/check.md,...
#         -DNAME=ovantra-rules -DVERSION=1.01 -DOUTPUT=page.md -P man_page.cmake

# What a manual page cannot follow: links become their text.
function(without_links text out)
  string(REGEX REPLACE "\\[([^]]*)\\]\\([^)]*\\)" "\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(READ "${MAIN}" main)
string(REGEX MATCH "^# ${NAME}\n\n([^\n]+)\n" found "${main}")
if(NOT found)
  message(FATAL_ERROR "${MAIN}: the title \"# ${NAME}\" and a one-line summary are missing")
endif()
set(summary "${CMAKE_MATCH_1}")
string(SUBSTRING "${summary}" 0 1 first)
string(TOLOWER "${first}" first)
string(REGEX REPLACE "^.(.*)\\.$" "${first}\\1" summary "${summary}")
string(REGEX REPLACE "^# [^\n]*\n\n[^\n]*\n" "" main "${main}")
string(TOUPPER "${NAME}" upper)
set(page "% ${upper} 1 \"\" \"${NAME} ${VERSION}\" \"User Commands\"\n\n# NAME\n\n${NAME} - ${summary}\n")

set(see_also "")
string(FIND "${main}" "\n## See also\n" at)
if(NOT at EQUAL -1)
  string(SUBSTRING "${main}" ${at} -1 see_also)
  string(SUBSTRING "${main}" 0 ${at} main)
  string(REPLACE "\n## See also\n" "\n# SEE ALSO\n" see_also "${see_also}")
endif()
foreach(heading Synopsis Description Commands Options Output Formats "Exit status" Files Examples)
  string(TOUPPER "${heading}" upper_heading)
  string(REPLACE "\n## ${heading}\n" "\n# ${upper_heading}\n" main "${main}")
endforeach()
string(APPEND page "${main}")

string(REPLACE "," ";" COMMANDS "${COMMANDS}")
foreach(file ${COMMANDS})
  file(READ "${file}" text)
  # "# ovantra-rules check" opens a section; its "## Options" a subsection.
  string(REGEX REPLACE "\n## " "\n### " text "\n${text}")
  string(REGEX REPLACE "^\n# " "\n# " text "${text}")
  string(APPEND page "${text}")
endforeach()
string(APPEND page "${see_also}")
without_links("${page}" page)

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
file(WRITE "${OUTPUT}" "${page}")
