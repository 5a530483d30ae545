# Fails when a catalogue lacks a translation: lupdate, run over the sources into a copy of the
# catalogue, marks every text the code has and the catalogue does not translate as unfinished.
# Arguments: LUPDATE, BRONNEN (a file listing the sources, one a line), TS, WERK (a scratch folder)
# and OPTIES, more options for lupdate.
get_filename_component(naam ${TS} NAME)
file(MAKE_DIRECTORY ${WERK})
configure_file(${TS} ${WERK}/${naam} COPYONLY)
execute_process(COMMAND ${LUPDATE} -locations none -no-obsolete ${OPTIES} @${BRONNEN}
                        -ts ${WERK}/${naam}
                RESULT_VARIABLE status OUTPUT_VARIABLE uit ERROR_VARIABLE uit)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${uit}")
endif()
file(STRINGS ${WERK}/${naam} regels)
set(onaf)
foreach(regel IN LISTS regels)
    if(regel MATCHES "<source>(.*)</source>")
        set(bron "${CMAKE_MATCH_1}")
    elseif(regel MATCHES "type=\"unfinished\"")
        list(APPEND onaf "\"${bron}\"")
    endif()
endforeach()
if(onaf)
    list(JOIN onaf ", " onaf)
    message(FATAL_ERROR "${naam} does not translate ${onaf}: run the target update_translations "
                        "and translate them there")
endif()
