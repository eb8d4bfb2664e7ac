# Activation of the main window: hot key, tray icon, show and hide (included by target/).

# The tray tip, without any Windows header.
korvalith_portable_library(korvalith_activation_logic
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/activation_tip.cpp
  DEPS korvalith_ui_portable)

# The Win32 side, on the main window's hooks; it sets the shell's instance marker.
korvalith_windows_library(korvalith_activation
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/activation.cpp
  DEPS korvalith_activation_logic korvalith_instance korvalith_board korvalith_target
       korvalith_target_popup user32 shell32)
