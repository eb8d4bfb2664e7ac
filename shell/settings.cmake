# The settings store (included by shell/CMakeLists.txt): its portable rules and its Win32 part.
korvalith_portable_library(korvalith_settings_rules
  SOURCES ini_value.cpp options_record.cpp version_rules.cpp)
korvalith_windows_library(korvalith_settings
  SOURCES settings.cpp windows_version.cpp
  DEPS korvalith_settings_rules korvalith_common advapi32)
