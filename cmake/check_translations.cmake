# Fails when the window would show English in its Korean interface: when a
# caption of the window (a tr() text in src/ui) or a reason pattern that the
# core throws an Error with has no Korean translation. It brings a copy of
# the .ts file up to date with lupdate, so a caption added without running
# update_translations counts as untranslated too; and it finds the core's
# patterns at their throw sites (Error(path, "pattern", ...) and the track
# reader's fail("pattern", ...)) and where they are named (ReasonPattern
# kName{"pattern"}), which src/ui/core_reasons.cpp must list.
# Run as: cmake -DSOURCE_DIR=<src> -DTS_FILE=<ts> -DLUPDATE=<lupdate>
#               -DWORK_DIR=<folder> -P check_translations.cmake
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(copy "${WORK_DIR}/translations_check.ts")
configure_file("${TS_FILE}" "${copy}" COPYONLY)
execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none -I "${SOURCE_DIR}"
                        "${SOURCE_DIR}/ui"
                        -ts "${copy}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${SOURCE_DIR}/ui")
endif()
file(READ "${copy}" ts)
# CMake lists split at ";": hide them while texts are taken apart.
string(REPLACE ";" "@SEMICOLON@" ts "${ts}")

set(faults "")
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"unfinished\""
       untranslated "${ts}")
foreach(message IN LISTS untranslated)
  string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" text "${message}")
  list(APPEND faults "no Korean for the caption \"${text}\"")
endforeach()

file(GLOB_RECURSE core "${SOURCE_DIR}/io/*.cpp" "${SOURCE_DIR}/formats/*.cpp"
     "${SOURCE_DIR}/convert/*.cpp")
foreach(source IN LISTS core)
  file(READ "${source}" code)
  string(REPLACE ";" "@SEMICOLON@" code "${code}")
  # Adjacent string literals are one.
  string(REGEX REPLACE "\"[ \t\r\n]+\"" "" code "${code}")
  string(REGEX MATCHALL "(Error|fail)\\([^\"@)]*\"([^\"\\\\]|\\\\.)*\"|ReasonPattern [A-Za-z_]+[({][ \t\r\n]*\"([^\"\\\\]|\\\\.)*\""
         sites "${code}")
  foreach(site IN LISTS sites)
    string(REGEX REPLACE "^[^\"]*\"(.*)\"$" "\\1" pattern "${site}")
    string(REPLACE "\\\"" "&quot@SEMICOLON@" key "${pattern}")
    string(FIND "${ts}" "<source>${key}</source>" at)
    if(at EQUAL -1)
      string(REPLACE "@SEMICOLON@" ";" pattern "${pattern}")
      file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
      list(APPEND faults "${name}: the reason \"${pattern}\" is not in src/ui/core_reasons.cpp")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  string(REPLACE "@SEMICOLON@" ";" text "${text}")
  message(FATAL_ERROR "The Korean interface would show English:\n  ${text}")
endif()
message(STATUS "Every caption and core reason has its Korean translation.")
