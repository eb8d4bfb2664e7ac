# The archive reader's libFuzzer target: only with clang and KORVALITH_FUZZ=ON (tools/fuzz-setup.sh).
option(KORVALITH_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(KORVALITH_FUZZ AND KORVALITH_NATIVE AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(setup_dir ${PROJECT_SOURCE_DIR}/setup)
  add_executable(korvalith_setup_fuzz fuzz_archive.cpp
    ${setup_dir}/archive_format.cpp ${setup_dir}/archive_reading.cpp ${setup_dir}/day_date.cpp
    ${setup_dir}/tstream.cpp ${setup_dir}/zstream.cpp)
  target_include_directories(korvalith_setup_fuzz PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_options(korvalith_setup_fuzz PRIVATE -g -fsanitize=fuzzer,address,undefined)
  target_link_options(korvalith_setup_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(korvalith_setup_fuzz PRIVATE ZLIB::ZLIB)
endif()
