# Copies into the install the DLLs that the installed program and plugins import, directly or
# through one another, from Qt's folder and the compiler's; Windows' own DLLs, in neither, stay
# Windows'. Names match without regard to case, as on Windows. (CMake's own
# file(GET_RUNTIME_DEPENDENCIES) looks for them in lower case, which a Linux folder does not
# have.) Set by the install: OBJDUMP, STRIP, DLL_MAPPEN, and BESTANDEN, relative to the prefix.
# An install with --strip strips them too: the compiler's runtime comes with its debugging
# information, ten times the size of its code.
cmake_policy(VERSION 3.25)
foreach(map ${DLL_MAPPEN})
    file(GLOB dlls ${map}/*.dll)
    foreach(dll ${dlls})
        get_filename_component(naam ${dll} NAME)
        string(TOLOWER ${naam} naam)
        if(NOT DEFINED pad_${naam})
            set(pad_${naam} ${dll})
        endif()
    endforeach()
endforeach()

set(te_lezen)
foreach(bestand ${BESTANDEN})
    list(APPEND te_lezen ${CMAKE_INSTALL_PREFIX}/${bestand})
endforeach()
set(gezien)
while(te_lezen)
    list(POP_FRONT te_lezen bestand)
    execute_process(COMMAND ${OBJDUMP} -p ${bestand} OUTPUT_VARIABLE kop
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\n]+" namen "${kop}")
    foreach(naam ${namen})
        string(REGEX REPLACE "^DLL Name: *" "" naam "${naam}")
        string(TOLOWER "${naam}" naam)
        if(naam IN_LIST gezien OR NOT DEFINED pad_${naam})
            continue()
        endif()
        list(APPEND gezien ${naam})
        file(INSTALL ${pad_${naam}} DESTINATION ${CMAKE_INSTALL_PREFIX})
        get_filename_component(dll ${pad_${naam}} NAME)
        set(dll ${CMAKE_INSTALL_PREFIX}/${dll})
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND ${STRIP} --strip-unneeded ${dll} COMMAND_ERROR_IS_FATAL ANY)
        endif()
        list(APPEND te_lezen ${dll})
    endforeach()
endwhile()
