# morlindo_windows_resources(TARGET DESCRIPTION [ICON]): gives a Windows
# program its version information (packaging/windows/version.rc.in) and,
# with ICON, the program's icon, rendered at build time from
# packaging/morlindo-converter.svg into an .ico of the sizes Windows asks
# for (rsvg-convert, then icotool), so that no binary file is kept.
function(morlindo_windows_resources target description)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  set(MORLINDO_RC_NAME ${target})
  set(MORLINDO_RC_DESCRIPTION "${description}")
  file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
  string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${licence}")
  set(MORLINDO_COPYRIGHT "${CMAKE_MATCH_1}")
  set(MORLINDO_RC_ICON "")
  if(ARGV2 STREQUAL "ICON")
    find_program(RSVG_CONVERT rsvg-convert REQUIRED)
    find_program(ICOTOOL icotool REQUIRED)
    set(svg ${PROJECT_SOURCE_DIR}/packaging/morlindo-converter.svg)
    set(ico ${out}/${target}.ico)
    # The 256-pixel image is kept as PNG (as Windows allows), the small ones as bitmaps.
    set(pngs --raw=${out}/icon-256.png)
    set(commands)
    foreach(size 16 20 24 32 40 48 64 256)
      if(NOT size EQUAL 256)
        list(APPEND pngs ${out}/icon-${size}.png)
      endif()
      list(APPEND commands COMMAND ${RSVG_CONVERT} --width ${size} --height ${size}
                                   --output ${out}/icon-${size}.png ${svg})
    endforeach()
    add_custom_command(OUTPUT ${ico} ${commands}
                       COMMAND ${ICOTOOL} --create --output ${ico} ${pngs}
                       DEPENDS ${svg} VERBATIM)
    # Qt's windows platform takes the icon named IDI_ICON1 for its windows.
    set(MORLINDO_RC_ICON "IDI_ICON1 ICON \"${ico}\"")
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in ${out}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${out}/${target}.rc)
  if(ico)
    set_source_files_properties(${out}/${target}.rc PROPERTIES OBJECT_DEPENDS ${ico})
  endif()
endfunction()
