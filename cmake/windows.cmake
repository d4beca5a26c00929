# Windows build: quillaro.exe and the in-process Windows tests.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

if(NOT MSVC)
  add_compile_options(-ffunction-sections -fdata-sections)
  # Static: no DLL beyond Windows' own. Hardened: ASLR with high-entropy VA, DEP.
  add_link_options(-static -Wl,--gc-sections -Wl,--dynamicbase -Wl,--high-entropy-va
                   -Wl,--nxcompat)
else()
  add_compile_options(/EHsc)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  add_link_options(/DYNAMICBASE /HIGHENTROPYVA /NXCOMPAT)
endif()

# The Win32 layer: the window core, the message loop and the control kinds.
file(GLOB quillaro_win32_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/toolkit/win32/*.cpp
  ${PROJECT_SOURCE_DIR}/src/toolkit/win32/controls/*.cpp
)
# memory.cpp is linked into each program on its own (below).
list(FILTER quillaro_win32_sources EXCLUDE REGEX "/memory\\.cpp$")
add_library(quillaro_toolkit STATIC ${QUILLARO_PORTABLE_SOURCES} ${quillaro_win32_sources})
target_include_directories(quillaro_toolkit PUBLIC src)
target_link_libraries(quillaro_toolkit PUBLIC quillaro_options user32 gdi32 kernel32 comctl32)

# The allocation functions replace the library's own; linked into each
# program directly, so that no archive order can pick the library's instead.
add_library(quillaro_memory OBJECT src/toolkit/win32/memory.cpp)
target_include_directories(quillaro_memory PUBLIC src)
target_link_libraries(quillaro_memory PRIVATE quillaro_options)

add_library(quillaro_ui STATIC
  src/ui/main_window.cpp
  src/ui/main_window_template.cpp
  src/ui/overlay_window.cpp
  src/ui/overlay_window_template.cpp
  src/ui/scrolling.cpp
)
target_link_libraries(quillaro_ui PUBLIC quillaro_toolkit)

add_library(quillaro_resources OBJECT res/quillaro.rc)

add_executable(quillaro WIN32 src/app/main.cpp src/app/entry.cpp)
target_link_libraries(quillaro PRIVATE quillaro_ui quillaro_memory quillaro_resources)
if(NOT MSVC)
  target_link_options(quillaro PRIVATE -municode -s)
endif()
set_target_properties(quillaro PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

if(CMAKE_CROSSCOMPILING OR QUILLARO_WINDOWS_TESTS)
  add_subdirectory(tests/windows)
  add_subdirectory(bench/windows)
endif()
