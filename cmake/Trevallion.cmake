# Build helpers shared by every folder.
#
# Layers: core modules link Qt6::Core (gps also Qt6::SerialPort) and other core modules only;
# ui modules link core and framework; tools link core and, where they render screens, ui.
# Each module is the set of sources in its folder, so adding a file needs no CMake change.

set(TREVALLION_WARNINGS -Wall -Wextra -Wpedantic -Wno-unused-parameter)
# A sanitizer finding ends the program, so a test that triggers one fails instead of printing a
# report and passing.
if(TREVALLION_SANITIZE)
    add_compile_options(-fsanitize=${TREVALLION_SANITIZE} -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${TREVALLION_SANITIZE} -fno-sanitize-recover=all)
endif()

# The fuzz build instruments every library for libFuzzer and checks it with AddressSanitizer and
# UndefinedBehaviorSanitizer; the fuzz targets themselves link libFuzzer's main (tests/fuzz).
if(TREVALLION_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

set(TREVALLION_CORE_QT Qt6::Core Qt6::SerialPort)

configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in ${PROJECT_BINARY_DIR}/generated/Version.h)
set(TREVALLION_INCLUDES ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/res ${PROJECT_BINARY_DIR}/generated)

# The sources of the current folder and of the named subfolders.
function(_trevallion_folder_sources out)
    set(patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    foreach(sub IN LISTS ARGN)
        list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.h)
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${patterns})
    set(${out} ${sources} PARENT_SCOPE)
endfunction()

# trevallion_core_module(NAME [SUBFOLDERS folders whose sources belong to it]
#                        [DEPENDS other core module names])
function(trevallion_core_module name)
    cmake_parse_arguments(ARG "" "" "SUBFOLDERS;DEPENDS" ${ARGN})
    _trevallion_folder_sources(sources ${ARG_SUBFOLDERS})
    set(target trevallion_core_${name})
    add_library(${target} STATIC ${sources})
    target_compile_options(${target} PRIVATE ${TREVALLION_WARNINGS})
    target_include_directories(${target} PUBLIC ${TREVALLION_INCLUDES})
    target_link_libraries(${target} PUBLIC ${TREVALLION_CORE_QT})
    foreach(dep IN LISTS ARG_DEPENDS)
        target_link_libraries(${target} PUBLIC trevallion_core_${dep})
    endforeach()
    set_property(GLOBAL APPEND PROPERTY TREVALLION_CORE_MODULES ${target})
endfunction()

# trevallion_ui_module(NAME [DEPENDS other ui module names] [CORE core module names])
function(trevallion_ui_module name)
    cmake_parse_arguments(ARG "" "" "DEPENDS;CORE" ${ARGN})
    _trevallion_folder_sources(sources)
    set(target trevallion_ui_${name})
    add_library(${target} STATIC ${sources})
    target_compile_options(${target} PRIVATE ${TREVALLION_WARNINGS})
    target_include_directories(${target} PUBLIC ${TREVALLION_INCLUDES})
    target_link_libraries(${target} PUBLIC Qt6::Widgets Qt6::Gui)
    if(NOT name STREQUAL "framework")
        target_link_libraries(${target} PUBLIC trevallion_ui_framework)
    endif()
    foreach(dep IN LISTS ARG_DEPENDS)
        target_link_libraries(${target} PUBLIC trevallion_ui_${dep})
    endforeach()
    foreach(dep IN LISTS ARG_CORE)
        target_link_libraries(${target} PUBLIC trevallion_core_${dep})
    endforeach()
    set_property(GLOBAL APPEND PROPERTY TREVALLION_UI_MODULES ${target})
endfunction()

# trevallion_test(NAME LIBS libraries [UI])
# One test program per folder; UI tests run with Qt's offscreen platform.
function(trevallion_test name)
    cmake_parse_arguments(ARG "UI" "" "LIBS" ${ARGN})
    _trevallion_folder_sources(sources)
    set(target test_${name})
    add_executable(${target} ${sources})
    target_compile_options(${target} PRIVATE ${TREVALLION_WARNINGS})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    if(ARG_UI)
        target_link_libraries(${target} PRIVATE trevallion_test_support_ui)
    else()
        target_link_libraries(${target} PRIVATE trevallion_test_support_core)
    endif()
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    gtest_discover_tests(${target}
        DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${name})
endfunction()
