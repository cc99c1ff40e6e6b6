# Windows resources, built the Windows way: a module's resource script (.rc, UTF-8 with
# #pragma code_page(65001)) is compiled by windres into the standard compiled resource (.res)
# format and the .res image is embedded, byte for byte, in the library or program.
#
#   rebar_add_resources(<target> <script.rc> [DEPENDS files...])
#
# DEPENDS names the files the script pulls in by name (bitmaps, icons, cursors); the headers
# it includes are tracked through the preprocessor. The script sees platform/ and its own
# folder on the include path and RC_INVOKED defined. The target then exports
# AfxGetModuleResourceData (win/module.h), through which the loader finds the image; a
# program exports that one symbol from its dynamic symbol table so that its own module
# (GetModuleHandleW(nullptr)) finds it the same way.
find_program(REBAR_WINDRES NAMES x86_64-w64-mingw32-windres windres REQUIRED
             DOC "The resource compiler (Debian package binutils-mingw-w64-x86-64)")

function(rebar_add_resources target script)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "" "" "DEPENDS")
  get_filename_component(script ${script} ABSOLUTE)
  get_filename_component(scriptDir ${script} DIRECTORY)
  get_filename_component(scriptName ${script} NAME_WE)
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}_${scriptName}.res)
  set(image ${CMAKE_CURRENT_BINARY_DIR}/${target}_${scriptName}_res.cpp)

  add_custom_command(
    OUTPUT ${res}
    COMMAND ${REBAR_WINDRES} --preprocessor=cpp --preprocessor-arg=-xc
            --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-MD
            --preprocessor-arg=-MF${res}.d --preprocessor-arg=-MT${res}
            -I${PROJECT_SOURCE_DIR}/platform -I${scriptDir} -O res -i ${script} -o ${res}
    DEPENDS ${script} ${ARG_DEPENDS}
    DEPFILE ${res}.d
    WORKING_DIRECTORY ${scriptDir}
    COMMENT "Compiling resources ${scriptName}.rc"
    VERBATIM)

  set(REBAR_RESOURCE_IMAGE ${res})
  set(REBAR_RESOURCE_SCRIPT ${script})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/WindowsResourceImage.cpp.in ${image} @ONLY)
  set_source_files_properties(${image} PROPERTIES OBJECT_DEPENDS ${res})
  target_sources(${target} PRIVATE ${image})

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_link_options(${target} PRIVATE -Wl,--export-dynamic-symbol=AfxGetModuleResourceData)
  endif()
endfunction()
