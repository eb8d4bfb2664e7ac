# Third-party dependencies: GoogleTest, Google Benchmark, zlib and libjpeg for each build.
# Nothing third-party lives in the repository; everything comes from Debian's packages.

if(KORVALITH_NATIVE)
  find_package(GTest REQUIRED)
  find_package(benchmark REQUIRED)
  find_package(ZLIB REQUIRED)
  find_package(JPEG REQUIRED)
  return()
endif()

# Windows: zlib from Debian's mingw package.
find_package(ZLIB REQUIRED)

# GoogleTest built from Debian's source with this toolchain, so Windows tests are plain gtest programs.
set(KORVALITH_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${KORVALITH_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)

# libjpeg-turbo built from Debian's source package (fetched with apt-get source on first configure).
set(jpeg_root ${CMAKE_BINARY_DIR}/_deps/libjpeg)
set(jpeg_fetch ${jpeg_root}/fetch)
file(GLOB jpeg_src_dirs LIST_DIRECTORIES true ${jpeg_fetch}/libjpeg-turbo-*)
list(FILTER jpeg_src_dirs EXCLUDE REGEX "\\.(tar|dsc|orig|debian)")
if(NOT jpeg_src_dirs)
  file(MAKE_DIRECTORY ${jpeg_fetch})
  execute_process(COMMAND apt-get source -qq libjpeg-turbo
                  WORKING_DIRECTORY ${jpeg_fetch} RESULT_VARIABLE jpeg_rc)
  file(GLOB jpeg_src_dirs LIST_DIRECTORIES true ${jpeg_fetch}/libjpeg-turbo-*)
  list(FILTER jpeg_src_dirs EXCLUDE REGEX "\\.(tar|dsc|orig|debian)")
  if(NOT jpeg_rc EQUAL 0 OR NOT jpeg_src_dirs)
    message(FATAL_ERROR "apt-get source libjpeg-turbo failed: run tools/install-deps.sh (it enables deb-src)")
  endif()
endif()
list(GET jpeg_src_dirs 0 jpeg_src)

include(ExternalProject)
# Only the static library is built; its headers are the source tree's plus the generated jconfig.h.
set(jpeg_build ${jpeg_root}/build)
ExternalProject_Add(libjpeg_build
  SOURCE_DIR ${jpeg_src}
  BINARY_DIR ${jpeg_build}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=${jpeg_root}/install
    -DENABLE_SHARED=0 -DWITH_SIMD=0 -DWITH_TURBOJPEG=0
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${jpeg_build}/libjpeg.a
  UPDATE_DISCONNECTED ON)
file(MAKE_DIRECTORY ${jpeg_build})
add_library(JPEG::JPEG STATIC IMPORTED GLOBAL)
set_target_properties(JPEG::JPEG PROPERTIES
  IMPORTED_LOCATION ${jpeg_build}/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES "${jpeg_src};${jpeg_build}")
add_dependencies(JPEG::JPEG libjpeg_build)
