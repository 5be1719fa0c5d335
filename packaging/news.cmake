# Makes the package's changelog and the metainfo's <releases> from NEWS.md, so a release is
# written down once. Run as a script:
#   cmake -DNEWS=NEWS.md -DMAINTAINER="Name <mail>" -DCHANGELOG=out/changelog
#         -DMETAINFO_IN=in.xml.in -DMETAINFO=out.xml -DVERSION=0.09 -P news.cmake
# METAINFO_IN's @R36_RELEASES@ gets the releases; its other @VARIABLES@ are passed with -D.

# CMake lists are separated by ";": the file's own ones stand in as @SEMICOLON@ until written.
file(READ "${NEWS}" news)
string(REPLACE ";" "@SEMICOLON@" news "${news}")
string(REPLACE "\n" ";" lines "${news}")

# Releases as lists of changes: one change is a "- " line and the indented lines after it.
set(versions "")
set(change "")
macro(end_change)
  if(NOT change STREQUAL "")
    list(APPEND changes_${version} "${change}")
    set(change "")
  endif()
endmacro()
foreach(line IN LISTS lines)
  if(line MATCHES "^## ([^ ]+) \\(([0-9]+-[0-9]+-[0-9]+)\\)$")
    end_change()
    set(version "${CMAKE_MATCH_1}")
    set(date_${version} "${CMAKE_MATCH_2}")
    list(APPEND versions "${version}")
    set(changes_${version} "")
  elseif(line MATCHES "^- (.*)$" AND DEFINED version)
    end_change()
    set(change "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  +(.*)$" AND NOT change STREQUAL "")
    string(APPEND change " ${CMAKE_MATCH_1}")
  else()
    end_change()
  endif()
endforeach()
end_change()

list(GET versions 0 newest)
if(NOT newest STREQUAL VERSION)
  message(FATAL_ERROR "NEWS.md's newest release is ${newest}, the program's version ${VERSION}")
endif()

# Debian's changelog: wrapped at 78 columns, dates as RFC 2822.
set(changelog "")
set(releases "")
foreach(version IN LISTS versions)
  string(APPEND changelog "qbr36 (${version}) unstable; urgency=medium\n\n")
  string(APPEND releases "    <release version=\"${version}\" date=\"${date_${version}}\">\n"
         "      <description>\n        <ul>\n")
  foreach(change IN LISTS changes_${version})
    string(REPLACE " " ";" words "${change}")
    set(row "  *")
    foreach(word IN LISTS words)
      string(REPLACE "@SEMICOLON@" ";" plain "${row} ${word}")
      string(LENGTH "${plain}" width)
      if(width GREATER 78)
        string(APPEND changelog "${row}\n")
        set(row "   ")
      endif()
      string(APPEND row " ${word}")
    endforeach()
    string(APPEND changelog "${row}\n")
    string(REPLACE "&" "&amp;" item "${change}")
    string(REPLACE "<" "&lt;" item "${item}")
    string(REPLACE ">" "&gt;" item "${item}")
    string(APPEND releases "          <li>${item}</li>\n")
  endforeach()
  execute_process(COMMAND date -u -R -d "${date_${version}} 12:00" OUTPUT_VARIABLE when
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  string(APPEND changelog "\n -- ${MAINTAINER}  ${when}\n\n")
  string(APPEND releases "        </ul>\n      </description>\n    </release>\n")
endforeach()
string(STRIP "${changelog}" changelog)
string(REPLACE "@SEMICOLON@" ";" changelog "${changelog}")
file(WRITE "${CHANGELOG}" "${changelog}\n")

string(REPLACE "@SEMICOLON@" ";" R36_RELEASES "${releases}")
configure_file("${METAINFO_IN}" "${METAINFO}" @ONLY)
