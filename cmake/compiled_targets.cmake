# tavrin_compiled_targets(FOLDER VAR): sets VAR to every target defined in
# FOLDER and the folders below it that compiles C++ (programs and libraries),
# for the settings the project hands out once every folder is read
# (cmake/sanitizers.cmake, cmake/precompiled_headers.cmake).
function(tavrin_compiled_targets folder var)
    set(found)
    get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY)$")
            list(APPEND found ${target})
        endif()
    endforeach()
    get_property(folders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS folders)
        tavrin_compiled_targets(${sub} below)
        list(APPEND found ${below})
    endforeach()
    set(${var} ${found} PARENT_SCOPE)
endfunction()
