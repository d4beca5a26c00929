# Host build: the portable core with its unit tests, the end-to-end tests that
# drive the real exe under Wine, and the host benchmarks.
option(QUILLARO_SANITIZE "Build with AddressSanitizer and UBSan" ON)
if(QUILLARO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# host/ holds the host's stand-ins for what the Win32 layer provides.
file(GLOB quillaro_host_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/toolkit/host/*.cpp)
add_library(quillaro_core STATIC ${QUILLARO_PORTABLE_SOURCES} ${quillaro_host_sources})
target_include_directories(quillaro_core PUBLIC src)
target_link_libraries(quillaro_core PUBLIC quillaro_options)

find_package(GTest REQUIRED)
add_subdirectory(tests/unit)
add_subdirectory(tests/e2e)
add_subdirectory(bench)
