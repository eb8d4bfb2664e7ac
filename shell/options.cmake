# The Options dialog: its opening sequence (portable) and the form.
korvalith_portable_library(korvalith_options_flow SOURCES ${CMAKE_CURRENT_LIST_DIR}/options_flow.cpp)
korvalith_windows_library(korvalith_options
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/options_form.cpp
  DEPS korvalith_options_flow korvalith_ui korvalith_settings comctl32)
