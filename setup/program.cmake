# Windows side of the setup: the Win32 library, the program image korvalith10 and, once every
# target of the tree is known, the packed korvalith10.exe in bin/.
if(NOT KORVALITH_WINDOWS)
  return()
endif()

korvalith_windows_library(korvalith_setup_win
  SOURCES file_stream.cpp inst_utils.cpp attach_files.cpp dll_safety.cpp
          registry.cpp running_copies.cpp
  DEPS korvalith_setup_core korvalith_common ole32 uuid shell32 user32 advapi32)

set(setup_rc)
if(KORVALITH_SETUP_RC AND EXISTS ${KORVALITH_SETUP_RC})
  set(setup_rc ${KORVALITH_SETUP_RC})
endif()
korvalith_windows_program(korvalith10 OUTPUT_NAME korvalith10
  SOURCES setup_main.cpp main_frm.cpp main_dlg.cpp folder_list.cpp drive_list.cpp ${setup_rc}
  DEPS korvalith_setup_win korvalith_ui)
# The bare image goes beside bin/; bin/korvalith10.exe is the image with its archive.
set(KORVALITH_SETUP_IMAGE_DIR ${CMAKE_BINARY_DIR}/setup-image CACHE INTERNAL "")
set_target_properties(korvalith10 PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVALITH_SETUP_IMAGE_DIR})

# korvalith_pack_setup(OUTPUT file TARGET name [PROGRAM exe] [LICENSE file] [HELP file]
#                      [DEPENDS targets...])
# Packs the setup image with the given members into OUTPUT, built by the target.
function(korvalith_pack_setup)
  cmake_parse_arguments(A "" "OUTPUT;TARGET;PROGRAM;LICENSE;HELP" "DEPENDS" ${ARGN})
  set(members)
  set(files)
  if(A_PROGRAM)
    list(APPEND members "Korvalith.exe=${A_PROGRAM}")
  endif()
  if(A_LICENSE)
    list(APPEND members "License.txt=${A_LICENSE}")
    list(APPEND files ${A_LICENSE})
  endif()
  if(A_HELP)
    list(APPEND members "Korvalith.chm=${A_HELP}")
    list(APPEND files ${A_HELP})
  endif()
  add_custom_command(OUTPUT ${A_OUTPUT}
    COMMAND ${KORVALITH_PACK} ${A_OUTPUT} $<TARGET_FILE:korvalith10> ${members}
    DEPENDS korvalith10 ${KORVALITH_PACK_TARGET} ${A_DEPENDS} ${files}
    COMMENT "Appending the archive to ${A_OUTPUT}"
    VERBATIM)
  add_custom_target(${A_TARGET} ALL DEPENDS ${A_OUTPUT})
endfunction()

# Runs when the whole tree is configured, so the program, help and packer targets all exist.
function(korvalith_pack_release_setup)
  if(NOT TARGET korvalith10 OR NOT KORVALITH_PACK OR NOT TARGET "${KORVALITH_PACK_TARGET}")
    message(STATUS "korvalith10.exe: no packer, the setup is left without its archive")
    return()
  endif()
  set(args)
  set(deps)
  if(TARGET Korvalith)
    list(APPEND args PROGRAM $<TARGET_FILE:Korvalith>)
    list(APPEND deps Korvalith)
  endif()
  set(license ${PROJECT_SOURCE_DIR}/resources/License.txt)
  if(EXISTS ${license})
    list(APPEND args LICENSE ${license})
  endif()
  set(help ${CMAKE_BINARY_DIR}/bin/Korvalith.chm)
  if(TARGET korvalith_help)
    list(APPEND args HELP ${help})
    list(APPEND deps korvalith_help)
  elseif(EXISTS ${help})
    list(APPEND args HELP ${help})
  endif()
  korvalith_pack_setup(OUTPUT ${CMAKE_BINARY_DIR}/bin/korvalith10.exe TARGET korvalith10_packed
                       ${args} DEPENDS ${deps})
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL korvalith_pack_release_setup)
