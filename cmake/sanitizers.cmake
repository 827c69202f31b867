# AddressSanitizer and UndefinedBehaviorSanitizer (TAVRIN_SANITIZE): the
# program's own code is instrumented, the test programs' code is not.
#
# A memory fault or undefined behaviour is found in the code that makes it:
# the libraries, the programs and any file of the program a test compiles in
# itself (web/page_session.cpp in its test). The tests' own files only call
# that code and compare its answers; instrumenting them would cost a quarter of
# their compile time and find nothing the instrumented code does not. Every
# program is still linked with the sanitizers, so their allocator and their
# checks of the program's code run under every test.
#
# Nothing is named per target: once every folder is read, each target defined
# outside tests/ and fuzz/ is instrumented, and of those defined inside, the
# files that live outside them; a new library or test program needs no line
# here.
include(${CMAKE_CURRENT_LIST_DIR}/compiled_targets.cmake)

set(TAVRIN_SANITIZER_OPTIONS -fsanitize=address,undefined -fno-sanitize-recover=all
                             -fno-omit-frame-pointer)

# Whether FILE (a path, relative to DIR) is part of the program rather than of
# its tests: in the source tree, outside tests/ and fuzz/. Files the build
# generates go with their target.
function(_tavrin_program_file file dir var)
    cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${dir} NORMALIZE OUTPUT_VARIABLE path)
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${path}" NORMALIZE in_source)
    cmake_path(IS_PREFIX CMAKE_BINARY_DIR "${path}" NORMALIZE in_build)
    set(program OFF)
    if(in_source AND NOT in_build AND NOT path MATCHES "^${PROJECT_SOURCE_DIR}/(tests|fuzz)/")
        set(program ON)
    endif()
    set(${var} ${program} PARENT_SCOPE)
endfunction()

function(_tavrin_instrument)
    tavrin_compiled_targets(${PROJECT_SOURCE_DIR} targets)
    foreach(target IN LISTS targets)
        get_target_property(folder ${target} SOURCE_DIR)
        _tavrin_program_file(${folder}/CMakeLists.txt ${folder} program_target)
        if(program_target)
            target_compile_options(${target} PRIVATE ${TAVRIN_SANITIZER_OPTIONS})
            continue()
        endif()
        # A test program: the program's files among its sources are
        # instrumented; they parse their headers themselves, as a
        # precompiled header serves only files built with the same options.
        get_target_property(sources ${target} SOURCES)
        foreach(source IN LISTS sources)
            _tavrin_program_file(${source} ${folder} program_file)
            if(program_file AND source MATCHES "\\.(cpp|cc|cxx)$")
                set_source_files_properties(${source} TARGET_DIRECTORY ${target} PROPERTIES
                    COMPILE_OPTIONS "${TAVRIN_SANITIZER_OPTIONS}" SKIP_PRECOMPILE_HEADERS ON)
            endif()
        endforeach()
    endforeach()
endfunction()

if(TAVRIN_SANITIZE)
    add_link_options(-fsanitize=address,undefined)
    # Before the precompiled headers are handed out (cmake/precompiled_headers.cmake),
    # which give each target the header built with its options.
    cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL _tavrin_instrument)
endif()
