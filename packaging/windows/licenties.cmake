# The licences of what the Windows package holds besides Corvanta, and THIRD-PARTY.txt, which says
# which source each of those files was built from and where it is to be had, as the GPL and the
# LGPL ask of a binary. The licence details are Debian's copyright files of the packages the files
# come from, as installed on the build machine; the build of Qt for Windows records its sources in
# its folder (scripts/build-qt-windows.sh).

# The Debian source package and version that a binary package was built from.
function(debian_bron binair var)
    execute_process(COMMAND dpkg-query -W -f "\${source:Package} \${source:Version}" ${binair}
                    OUTPUT_VARIABLE bron OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(bron)
    list(GET bron 0 pakket)
    list(GET bron 1 versie)
    set(${var}_pakket ${pakket} PARENT_SCOPE)
    set(${var}_versie ${versie} PARENT_SCOPE)
    set(${var}_bron "${pakket} ${versie}" PARENT_SCOPE)
endfunction()

# What the build of Qt for Windows wrote of its sources: "debian-source <name>_<version>" or
# "tarball <file> <sha256>".
function(qt_bron deel var)
    set(bestand ${QT6_INSTALL_PREFIX}/corvanta-source-${deel})
    if(NOT EXISTS ${bestand})
        message(FATAL_ERROR "${bestand} is missing: build Qt for Windows again with "
                            "scripts/build-qt-windows.sh")
    endif()
    file(STRINGS ${bestand} regel LIMIT_COUNT 1)
    separate_arguments(regel)
    list(GET regel 0 soort)
    list(GET regel 1 naam)
    if(soort STREQUAL "debian-source")
        string(REGEX REPLACE "_" ";" delen ${naam})
        list(GET delen 0 pakket)
        list(GET delen 1 versie)
        set(${var}_pakket ${pakket} PARENT_SCOPE)
        set(${var}_versie ${versie} PARENT_SCOPE)
        set(${var}_bron "${pakket} ${versie}" PARENT_SCOPE)
    else()
        list(GET regel 2 sha256)
        if(sha256 STREQUAL "a1a7c0e08c8870cf97d1c3a2eb3f37681aaed00a63b5b2f70bdf2da878d0a9aa")
            set(${var}_bron "Qt's release tarball ${naam}" PARENT_SCOPE)
        else()
            string(CONCAT bron "the tree tagged v${Qt6_VERSION} in Qt's qtcharts repository, "
                   "https://code.qt.io/qt/qtcharts.git, packed with git archive as ${naam} "
                   "(SHA-256 ${sha256})")
            set(${var}_bron "${bron}" PARENT_SCOPE)
        endif()
    endif()
endfunction()

set(qt_versie ${Qt6_VERSION})
string(REGEX MATCH "^[0-9]+\\.[0-9]+" qt_reeks ${qt_versie})
qt_bron(qtbase qtbase)
qt_bron(qtcharts qtcharts)
debian_bron(qt6-translations-l10n vertalingen)
debian_bron(gcc-mingw-w64-x86-64-posix-runtime gcc)
debian_bron(mingw-w64-x86-64-dev mingw)
if(qtcharts_pakket)
    set(qtcharts_bron "Debian's source package ${qtcharts_bron}")
endif()
configure_file(THIRD-PARTY.txt.in THIRD-PARTY.txt @ONLY NEWLINE_STYLE CRLF)

set(licenties ${CMAKE_CURRENT_BINARY_DIR}/licences)
file(MAKE_DIRECTORY ${licenties})
foreach(paar libqt6core6:qt6-base libqt6charts6:qt6-charts qt6-translations-l10n:qt6-translations
        gcc-mingw-w64-x86-64-posix-runtime:gcc-mingw-w64 mingw-w64-x86-64-dev:mingw-w64)
    string(REPLACE ":" ";" paar ${paar})
    list(GET paar 0 binair)
    list(GET paar 1 naam)
    configure_file(/usr/share/doc/${binair}/copyright ${licenties}/${naam}.copyright.txt COPYONLY)
endforeach()
configure_file(/usr/share/common-licenses/LGPL-3 ${licenties}/LGPL-3.0.txt COPYONLY)
install(DIRECTORY ${licenties}/ DESTINATION licences)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY.txt DESTINATION .)
