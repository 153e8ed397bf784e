# Fails when a text the window program shows has no finished Bengali or Hindi translation: lupdate
# reads the sources into copies of the .ts files, which then hold every text of the sources, each
# new one marked unfinished.
#   cmake -DLUPDATE=… -DSOURCE_DIR=<ui folder> -DWORK_DIR=… -P translations_complete.cmake
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(failures "")
foreach(language bn hi)
    set(copy ${WORK_DIR}/rashi_${language}.ts)
    file(COPY_FILE ${SOURCE_DIR}/translations/rashi_${language}.ts ${copy})
    execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none
                            -I ${SOURCE_DIR}/.. ${SOURCE_DIR} ${SOURCE_DIR}/../links ${SOURCE_DIR}/../files
                            -ts ${copy}
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${SOURCE_DIR}")
    endif()
    file(STRINGS ${copy} lines ENCODING UTF-8)
    set(source "")
    foreach(line IN LISTS lines)
        if(line MATCHES "<source>(.*)</source>")
            set(source "${CMAKE_MATCH_1}")
        elseif(line MATCHES "<source>(.*)$")
            set(source "${CMAKE_MATCH_1}…")
        elseif(line MATCHES "type=\"unfinished\"")
            string(APPEND failures "\n  ${language}: ${source}")
        endif()
    endforeach()
endforeach()
if(failures)
    message(FATAL_ERROR "Texts without a finished translation:${failures}")
endif()
