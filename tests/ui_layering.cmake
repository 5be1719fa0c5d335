# ui/ reaches files/ and link/ only through the session: no include of theirs, no name from their
# namespaces. Run as a test: cmake -DUI_DIR=<source>/ui -P ui_layering.cmake
file(GLOB sources ${UI_DIR}/*.cpp ${UI_DIR}/*.h)
set(reaching "")
foreach(source ${sources})
  file(STRINGS ${source} lines REGEX "#include \"(files|link)/|(files|link)::")
  foreach(line ${lines})
    list(APPEND reaching "${source}: ${line}")
  endforeach()
endforeach()
if(reaching)
  list(JOIN reaching "\n" reaching)
  message(FATAL_ERROR "ui/ reaches past the session:\n${reaching}")
endif()
