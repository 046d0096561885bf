# SPDX-FileCopyrightText: 2026 The Tarrowind team
# SPDX-License-Identifier: GPL-3.0-or-later

# tarrowind_add_qt_test(<name> [TEXT_ONLY] [SOURCES <file>...] [LINK_LIBRARIES <target>...]
#                       [ENVIRONMENT <VAR=value>...])
#
# A QtTest executable <name> built from <name>.cpp (or SOURCES), with moc, linked with the planner
# window, Qt Test and the project's warnings and strict Qt strings, and registered with ctest to
# run headless on Qt's offscreen platform; the window speaks English there (tests/EnglishTexts.cpp). TEXT_ONLY links the text layer instead of the window,
# for a test that needs Qt Core alone. Further variables, such as QT_SCALE_FACTOR, go into
# ENVIRONMENT. tarrowind_add_qt_test_run registers one more run of such an executable.
function(tarrowind_add_qt_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "TEXT_ONLY" "" "SOURCES;LINK_LIBRARIES;ENVIRONMENT")
    if(NOT arg_SOURCES)
        set(arg_SOURCES ${name}.cpp)
    endif()
    if(arg_TEXT_ONLY)
        find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
        set(subject tarrowind::text)
    else()
        find_package(Qt6 6.4 REQUIRED COMPONENTS Test Widgets)
        set(subject tarrowind::ui tarrowind_test_english)
    endif()
    add_executable(${name} ${arg_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${subject} Qt6::Test ${arg_LINK_LIBRARIES}
        tarrowind_warnings tarrowind_qt_strict)
    tarrowind_add_qt_test_run(${name} ${name} ENVIRONMENT ${arg_ENVIRONMENT})
endfunction()

# tarrowind_add_qt_test_run(<test name> <executable> [ARGS <arg>...] [ENVIRONMENT <VAR=value>...])
function(tarrowind_add_qt_test_run test executable)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "ARGS;ENVIRONMENT")
    add_test(NAME ${test} COMMAND ${executable} ${arg_ARGS})
    set_tests_properties(${test} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${arg_ENVIRONMENT}")
endfunction()
