# Linux side: unit tests of the program logic against fakes, the end-to-end tests that drive the
# real program under Wine, and the cross build of the Windows side.

option(TYPELENS_WINDOWS "Cross-build the Windows side with MinGW-w64 and test it under Wine" ON)

if(BUILD_TESTING)
  add_googletest()
  add_subdirectory(tests/unit)
endif()
add_subdirectory(bench)

if(TYPELENS_WINDOWS)
  include(ExternalProject)
  set(TYPELENS_WIN_DIR ${CMAKE_BINARY_DIR}/windows)
  ExternalProject_Add(windows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${TYPELENS_WIN_DIR}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      -DBUILD_TESTING=${BUILD_TESTING}
      -DGOOGLETEST_SOURCE_DIR=${GOOGLETEST_SOURCE_DIR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    TEST_COMMAND "")
  if(BUILD_TESTING)
    # The Windows tests are declared by the cross build; ctest here runs them with the rest.
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES
      ${TYPELENS_WIN_DIR}/tests/win32/CTestTestfile.cmake)
    add_subdirectory(tests/e2e)
  endif()
endif()
