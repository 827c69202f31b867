# Fails when any file of the engine includes a Qt header.
file(GLOB_RECURSE sources ${DIR}/*.h ${DIR}/*.cpp ${DIR}/CMakeLists.txt)
foreach(f ${sources})
    file(STRINGS ${f} hits REGEX "#include *<Q|Qt6::|find_package\\(Qt")
    if(hits)
        message(FATAL_ERROR "${f} uses Qt: ${hits}")
    endif()
endforeach()
