# Library and test helpers shared by every folder.

set(TARVENN_HEADLESS_GUARD "${CMAKE_CURRENT_LIST_DIR}/headless_guard.h")

# A library that must run without a screen: no Qt Gui, no Qt Widgets. Including one of their
# headers from such a library is a compile error (see headless_guard.h).
function(tarvenn_headless_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    target_compile_options(${name} PRIVATE -include ${TARVENN_HEADLESS_GUARD})
endfunction()

# A library that may draw or show windows (ui and print only).
function(tarvenn_gui_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# One QtTest executable per behaviour group. GUI tests run on the offscreen platform; every
# test runs with a German locale unless it sets its own.
function(tarvenn_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test tarvenn_testsupport ${ARG_DEPENDS})
    target_compile_definitions(${name} PRIVATE
        TARVENN_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/fixtures"
        TARVENN_TOOLS_DIR="${CMAKE_BINARY_DIR}/bin")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=de_DE.UTF-8;ASAN_OPTIONS=detect_leaks=0;${ARG_ENVIRONMENT}"
        TIMEOUT 300)
endfunction()

# Runs an existing test once more under a locale with a decimal point, for the number texts.
function(tarvenn_add_point_locale_run name)
    add_test(NAME ${name}_point COMMAND ${name})
    set_tests_properties(${name}_point PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TARVENN_TEST_LOCALE=C;ASAN_OPTIONS=detect_leaks=0"
        TIMEOUT 300)
endfunction()
