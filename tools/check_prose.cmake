# Refuses German prose in the string literals of the game's C++ sources:
# every word the player sees belongs in the script files (src/story/text/,
# see docs/story-markup.md). Run by the build with SOURCE_DIR (the
# repository) and STAMP (a file written when all is well).
#
# A literal counts as prose when it holds
#   - a byte outside ASCII (an umlaut, ß, a German quotation mark), unless
#     it is a single sign: at most four bytes and no ASCII letter (the
#     quotation marks the plain text filter sets, an umlaut it compares), or
#   - a word that starts with a capital letter, then a blank and another
#     word ("Neues Spiel", "DU BIST TOT."): German capitalises its nouns,
#     while the code's own diagnostics start in lower case,
# unless it is one of the identifiers in Allowed below. Comments, #include
# lines and character literals are not looked at.
cmake_minimum_required(VERSION 3.25)

# Literals that look like prose but are names the code depends on.
set(Allowed
  "Das Erwachen"                           # a save label, written to savegame.txt
  "unexpected CONSOLE_FONT_INFOEX layout"  # a static_assert of the Windows console
)

string(ASCII 1 semicolon)
string(ASCII 2 open)
string(ASCII 3 close)

file(GLOB_RECURSE sources "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.h")
set(found "")
foreach(source IN LISTS sources)
  file(READ "${source}" text)
  if(NOT text MATCHES "\"")
    continue()
  endif()
  # One list entry per line: ; [ ] would confuse CMake's lists, so they
  # stand in as other bytes meanwhile (none of them is prose).
  string(REPLACE ";" "${semicolon}" text "${text}")
  string(REPLACE "[" "${open}" text "${text}")
  string(REPLACE "]" "${close}" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT line MATCHES "\"" OR line MATCHES "^[ \t]*(#|//)")
      continue()
    endif()
    set(rest "${line}")
    while(NOT rest STREQUAL "")
      if(rest MATCHES "^[^\"'/]+(.*)$")
        set(rest "${CMAKE_MATCH_1}")
      elseif(rest MATCHES "^//")
        break()
      elseif(rest MATCHES "^/(.*)$")
        set(rest "${CMAKE_MATCH_1}")
      elseif(rest MATCHES "^'(\\\\.|[^'\\\\])*'(.*)$")
        set(rest "${CMAKE_MATCH_2}")
      elseif(rest MATCHES "^\"((\\\\.|[^\"\\\\])*)\"(.*)$")
        set(literal "${CMAKE_MATCH_1}")
        set(rest "${CMAKE_MATCH_3}")
        string(REGEX REPLACE "[ -~\t${semicolon}${open}${close}]" "" beyondAscii "${literal}")
        string(LENGTH "${literal}" bytes)
        if(bytes LESS_EQUAL 4 AND NOT literal MATCHES "[A-Za-z]")
          set(beyondAscii "")  # a single sign
        endif()
        if(NOT beyondAscii STREQUAL "" OR literal MATCHES "[A-Z][A-Za-z]*[.,:!?]? +[A-Za-z]")
          list(FIND Allowed "${literal}" allowed)
          if(allowed EQUAL -1)
            file(RELATIVE_PATH where "${SOURCE_DIR}" "${source}")
            string(APPEND found "  ${where}:${number}: \"${literal}\"\n")
          endif()
        endif()
      else()
        break()  # a literal that goes on past the line
      endif()
    endwhile()
  endforeach()
endforeach()

if(NOT found STREQUAL "")
  string(REPLACE "${semicolon}" ";" found "${found}")
  string(REPLACE "${open}" "[" found "${found}")
  string(REPLACE "${close}" "]" found "${found}")
  message(FATAL_ERROR "German prose in C++ string literals; it belongs in src/story/text/ "
    "(docs/story-markup.md):\n${found}")
endif()
if(DEFINED STAMP)
  file(WRITE "${STAMP}" "")
endif()
