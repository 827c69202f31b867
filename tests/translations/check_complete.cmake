# cmake -DLUPDATE=... -DCATALOGUE=... -DROOT=... -DTS_FILES=... -DLUPDATE_ARGS=...
#       -DPAGE_TEXTS=... -DCOPIES=... -P check_complete.cmake
# See CMakeLists.txt: lupdate over the sources into copies of the .ts files,
# then tavrin-ts-catalogue --check on the copies.
file(REMOVE_RECURSE ${COPIES})
file(MAKE_DIRECTORY ${COPIES})
set(copies)
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    file(COPY_FILE ${ts} ${COPIES}/${name})
    list(APPEND copies ${COPIES}/${name})
endforeach()
# The page's texts go to lupdate where the build's own list of them would.
list(TRANSFORM LUPDATE_ARGS REPLACE "^.*/page_texts\\.cpp$" "${PAGE_TEXTS}")
execute_process(COMMAND ${CATALOGUE} --page-texts ${PAGE_TEXTS} ${ROOT}/web/page
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "tavrin-ts-catalogue --page-texts failed")
endif()
execute_process(COMMAND ${LUPDATE} ${LUPDATE_ARGS} -ts ${copies}
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "lupdate failed")
endif()
execute_process(COMMAND ${CATALOGUE} --check ${copies} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "translations/*.ts are not complete; refresh them with the "
                        "tavrin_update_translations target and translate what it marks unfinished")
endif()
