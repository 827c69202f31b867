# Fails when any file of the engine includes a header for file or stream
# input and output: the engine works on bytes, the file layer does the I/O.
file(GLOB_RECURSE sources ${DIR}/*.h ${DIR}/*.cpp)
set(io_headers "fcntl\\.h|unistd\\.h|sys/|stdio\\.h|cstdio|fstream|iostream|filesystem|poll\\.h|dirent\\.h")
foreach(f ${sources})
    file(STRINGS ${f} hits REGEX "#include *<(${io_headers})")
    if(hits)
        message(FATAL_ERROR "${f} does file input or output: ${hits}")
    endif()
endforeach()
