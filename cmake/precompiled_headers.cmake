# Precompiled headers. Most of the time of a file that includes Qt goes into
# parsing Qt's headers, and of a GoogleTest file into gtest.h: each build
# parses them once, in small object libraries, and every target of the
# project reuses one of them:
#
#   tavrin_gui_pch      Qt Core and Gui and the standard library, for the
#                       targets that link Qt Gui but not Qt Widgets (the
#                       drawing library, tavrin-cli, their tests);
#   tavrin_widgets_pch  the same and Qt Widgets, for the targets that link
#                       Qt Widgets (the window, the widgets, their tests);
#   tavrin_test_pch     gtest.h and the standard library, for the GoogleTest
#                       programs that do not link Qt;
#   tavrin_gui_sanitized_pch, tavrin_widgets_sanitized_pch
#                       in a sanitized build, the first two for the program's
#                       code, which is built with the sanitizers' options
#                       (the tests' code is not; cmake/sanitizers.cmake).
#
# Each is made when a target first calls for it. Nothing is named per target: once every folder is read, each target is
# given the one its libraries call for, so a new library or test program
# needs no line of its own. A precompiled header only serves files compiled
# with the same options as the header, so a target with compile options of
# its own (target_compile_options; warning options aside) keeps parsing its
# headers; a mismatch left over is an error (-Winvalid-pch with -Werror),
# never a quietly slow build.
include(${CMAKE_CURRENT_LIST_DIR}/compiled_targets.cmake)

option(TAVRIN_PCH "Precompile the Qt, GoogleTest and standard headers most files include" ON)

set(TAVRIN_STD_PCH_HEADERS
    <algorithm> <array> <cstdint> <functional> <memory> <optional> <string> <string_view> <utility>
    <vector>)
set(TAVRIN_GUI_PCH_HEADERS
    <QByteArray> <QColor> <QDir> <QFile> <QFileInfo> <QFont> <QGuiApplication> <QImage> <QList>
    <QObject> <QPainter> <QPainterPath> <QSettings> <QString> <QStringList> <QTemporaryDir> <QTimer>)
set(TAVRIN_WIDGETS_PCH_HEADERS
    ${TAVRIN_GUI_PCH_HEADERS} <QAction> <QApplication> <QComboBox> <QDialog> <QLabel> <QLineEdit>
    <QMainWindow> <QMenu> <QPushButton> <QWidget>)

# _tavrin_pch_owner(KIND SANITIZED VAR): sets VAR to the object library whose
# precompiled header of KIND (gui, widgets or test) the targets reuse, made on
# first use; with SANITIZED, its header is built with the sanitizers'
# options, for the program's own code in a sanitized build
# (cmake/sanitizers.cmake). It compiles one empty file.
function(_tavrin_pch_owner kind sanitized var)
    set(name tavrin_${kind}_pch)
    if(sanitized)
        set(name tavrin_${kind}_sanitized_pch)
    endif()
    set(${var} ${name} PARENT_SCOPE)
    if(TARGET ${name})
        return()
    endif()
    set(anchor ${CMAKE_BINARY_DIR}/${name}.cpp)
    file(CONFIGURE OUTPUT ${anchor} CONTENT "// The precompiled header's own file; empty.\n")
    add_library(${name} OBJECT ${anchor})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    if(sanitized)
        target_compile_options(${name} PRIVATE ${TAVRIN_SANITIZER_OPTIONS})
    endif()
    if(kind STREQUAL "test")
        find_package(GTest REQUIRED)
        target_precompile_headers(${name} PRIVATE <gtest/gtest.h> ${TAVRIN_STD_PCH_HEADERS})
        target_link_libraries(${name} PRIVATE GTest::gtest)
        return()
    endif()
    string(TOUPPER ${kind} upper)
    target_precompile_headers(${name} PRIVATE ${TAVRIN_${upper}_PCH_HEADERS} ${TAVRIN_STD_PCH_HEADERS})
    # Qt's headers and options without its QT_*_LIB macros: a header built
    # with a macro defined serves only files that define it too, and each
    # target defines those of the Qt modules it links, which Qt's Core, Gui
    # and Widgets headers never test.
    # Those Qt Core gives every target (QT_NO_DEBUG but in a Debug build) it
    # keeps.
    get_target_property(qt_macros Qt6::Core INTERFACE_COMPILE_DEFINITIONS)
    list(FILTER qt_macros EXCLUDE REGEX "^QT_[A-Z]+_LIB$")
    foreach(module Core Gui Widgets)
        target_include_directories(${name} SYSTEM PRIVATE
            $<TARGET_PROPERTY:Qt6::${module},INTERFACE_INCLUDE_DIRECTORIES>)
    endforeach()
    target_compile_options(${name} PRIVATE $<TARGET_PROPERTY:Qt6::Core,INTERFACE_COMPILE_OPTIONS>)
    target_compile_definitions(${name} PRIVATE ${qt_macros})
endfunction()

# Sets VAR to the Qt modules TARGET links (Qt6::Core, ...), directly or
# through libraries.
function(_tavrin_qt_modules target var)
    set(pending ${target})
    set(seen)
    set(modules)
    while(pending)
        list(POP_FRONT pending item)
        # A static library's private libraries come as $<LINK_ONLY:name>.
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
        if(item IN_LIST seen OR NOT TARGET ${item})
            continue()
        endif()
        list(APPEND seen ${item})
        if(item MATCHES "^Qt6::")
            list(APPEND modules ${item})
        endif()
        get_target_property(type ${item} TYPE)
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(direct ${item} LINK_LIBRARIES)
            if(direct)
                list(APPEND pending ${direct})
            endif()
        endif()
        get_target_property(interface ${item} INTERFACE_LINK_LIBRARIES)
        if(interface)
            list(APPEND pending ${interface})
        endif()
    endwhile()
    set(${var} ${modules} PARENT_SCOPE)
endfunction()

# Gives every C++ target of the project its precompiled header, and those
# that do not link Qt no moc step.
function(_tavrin_use_pch)
    tavrin_compiled_targets(${PROJECT_SOURCE_DIR} targets)
    foreach(target IN LISTS targets)
        _tavrin_qt_modules(${target} modules)
        if(NOT modules)
            # Nothing to run moc on: spare the target its moc step.
            set_target_properties(${target} PROPERTIES AUTOMOC OFF)
        endif()
        # The program's code in a sanitized build has the sanitizers'
        # options besides the project's, and a header of its own.
        get_target_property(options ${target} COMPILE_OPTIONS)
        set(sanitized OFF)
        if(TAVRIN_SANITIZE AND options)
            list(LENGTH options count)
            list(REMOVE_ITEM options ${TAVRIN_SANITIZER_OPTIONS})
            list(LENGTH options left)
            if(left LESS count)
                set(sanitized ON)
            endif()
        endif()
        # Warnings asked for or turned off (the tests' own folder may turn
        # one off) do not change what a header compiles to.
        if(options)
            list(FILTER options EXCLUDE REGEX "^-W")
        endif()
        if(NOT "${options}" STREQUAL "${TAVRIN_PCH_OPTIONS}")
            continue()
        endif()
        # Each file sees no more of Qt than its target links: qApp, for one,
        # means a QApplication once QApplication's header is read.
        get_target_property(libraries ${target} LINK_LIBRARIES)
        set(kind)
        if("Qt6::Widgets" IN_LIST modules)
            set(kind widgets)
        elseif("Qt6::Gui" IN_LIST modules)
            set(kind gui)
        elseif(NOT modules AND TAVRIN_UNIT_TESTS AND libraries MATCHES "GTest::")
            # Not worth its own parsing for the one file of the optimised
            # build's tests alone.
            set(kind test)
        endif()
        if(kind)
            _tavrin_pch_owner(${kind} "${sanitized}" owner)
            target_precompile_headers(${target} REUSE_FROM ${owner})
            # The file moc's output is gathered in is empty in most targets
            # (their moc files are included where they belong) and takes a
            # second to load the header into; where it is not empty, it is
            # moc's plain code, quick to build without.
            get_target_property(automoc ${target} AUTOMOC)
            get_target_property(binary_dir ${target} BINARY_DIR)
            if(automoc)
                set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
                    TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
            endif()
        endif()
    endforeach()
endfunction()

function(tavrin_precompiled_headers)
    get_directory_property(TAVRIN_PCH_OPTIONS DIRECTORY ${PROJECT_SOURCE_DIR} COMPILE_OPTIONS)
    list(FILTER TAVRIN_PCH_OPTIONS EXCLUDE REGEX "^-W")
    _tavrin_use_pch()
endfunction()

# GCC only: it takes a header built without a target's own macros; the fuzz
# build (clang) parses its headers as before.
if(TAVRIN_PCH AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tavrin_precompiled_headers)
    # ccache caches files built with a precompiled header only when told that
    # it cannot see the macros the header defines, nor __DATE__ and __TIME__
    # in it (the project uses neither to tell builds apart).
    if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "(^|/)ccache$")
        set(CMAKE_CXX_COMPILER_LAUNCHER env CCACHE_SLOPPINESS=pch_defines,time_macros
                                        ${CMAKE_CXX_COMPILER_LAUNCHER})
    endif()
endif()
