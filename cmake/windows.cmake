# Windows side: the program itself, and its Win32 tests (run under Wine when cross-compiling).
enable_language(RC)

if(MINGW)
  # One self-contained exe: the C and C++ runtimes linked in, nothing beyond Windows' own DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Without the runtimes' debugging sections, which a release has no use for (half the file).
  add_link_options($<$<CONFIG:Release>:-s>)
endif()

add_library(typelens_win32 STATIC
  about/about_window_win32.cpp
  app/dialogs_win32.cpp
  app/drive_box_win32.cpp
  app/glyphora_window_win32.cpp
  app/handed_path_win32.cpp
  app/main_toolbar_win32.cpp
  app/module1_win32.cpp
  app/pictures_win32.cpp
  platform/ansi_win32.cpp
  platform/case_blind_win32.cpp
  platform/dwrite_win32.cpp
  platform/controls_win32.cpp
  platform/environment_win32.cpp
  platform/filesystem_win32.cpp
  platform/font_rows_win32.cpp
  platform/name_order_win32.cpp
  platform/fonts_win32.cpp
  platform/registry_win32.cpp
  platform/screen_win32.cpp
  platform/shell_win32.cpp
)
target_compile_definitions(typelens_win32 PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE
                                                  _WIN32_WINNT=0x0A00 WINVER=0x0A00)
target_link_libraries(typelens_win32 PUBLIC typelens_logic comctl32 gdi32 user32 advapi32)
# The logic compares names as Windows does, by the compare the Windows side brings.
target_link_libraries(typelens_logic INTERFACE typelens_win32)

add_executable(Typelens WIN32 app/winmain_win32.cpp app/resources/typelens.rc)
target_link_libraries(Typelens PRIVATE typelens_win32)
# The resource compilers look for the pictures and the manifest beside the script.
target_include_directories(Typelens PRIVATE app/resources ${GENERATED_DIR})
if(MSVC)
  # The resource script brings the manifest.
  target_link_options(Typelens PRIVATE /MANIFEST:NO)
endif()
set_target_properties(Typelens PROPERTIES LINKER_LANGUAGE CXX)

if(BUILD_TESTING)
  add_googletest()
  add_subdirectory(tools/probe)
  add_subdirectory(tests/win32)
endif()

add_subdirectory(bench)
