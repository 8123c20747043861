# Installs the program with its desktop integration and documentation, and describes the
# Debian package that `cpack -G DEB` makes in the build folder.
include(GNUInstallDirs)

set(TAFOMAT_ICON_SIZES 16 22 32 48 64 128 256)
# The project has no public home yet: the package has no Homepage field, and the metainfo names
# no homepage and no screenshots (their pictures need an address to be fetched from). The id
# must not change once the program is published.
set(TAFOMAT_APP_ID "org.example.tafomat" CACHE STRING "AppStream component id")
set(TAFOMAT_MAINTAINER "The Tafomat developers <tafomat@example.org>" CACHE STRING
    "Maintainer of the Debian package")

# The release notes of this version, from its entry in CHANGELOG.md: the date from the
# heading "## [VERSION] - DATE" and the items from its "- " lines and their continuations.
function(tafomat_release_notes changelog version)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
    string(REPLACE "." "\\." pattern "${version}")
    # A ";" would split an item in two as CMake lists do: it is kept as a stand-in until the
    # item is written out (tafomat_release_text).
    file(READ ${changelog} text)
    string(REPLACE ";" "<semicolon>" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(inside FALSE)
    set(items)
    set(date)
    foreach(line IN LISTS lines)
        if(line MATCHES "^## ")
            if(line MATCHES "^## \\[${pattern}\\] - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
                set(inside TRUE)
                set(date ${CMAKE_MATCH_1})
            else()
                set(inside FALSE)
            endif()
        elseif(inside AND line MATCHES "^- (.*)")
            list(APPEND items "${CMAKE_MATCH_1}")
        elseif(inside AND items AND line MATCHES "^  +(.*)")
            list(POP_BACK items last)
            list(APPEND items "${last} ${CMAKE_MATCH_1}")
        endif()
    endforeach()
    if(NOT date OR NOT items)
        message(FATAL_ERROR "CHANGELOG.md has no entry \"## [${version}] - YYYY-MM-DD\" with items")
    endif()
    set(TAFOMAT_RELEASE_DATE ${date} PARENT_SCOPE)
    set(TAFOMAT_RELEASE_ITEMS_LIST ${items} PARENT_SCOPE)
endfunction()

function(tafomat_release_text item out)
    string(REPLACE "<semicolon>" ";" item "${item}")
    string(REPLACE "`" "" item "${item}")
    set(${out} "${item}" PARENT_SCOPE)
endfunction()

# A Debian changelog entry for the release; a native package ships it as changelog.gz.
function(tafomat_debian_changelog out)
    execute_process(COMMAND date -u -R -d "${TAFOMAT_RELEASE_DATE} 12:00"
                    OUTPUT_VARIABLE when OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(text "tafomat (${PROJECT_VERSION}) unstable; urgency=medium\n\n")
    foreach(item IN LISTS TAFOMAT_RELEASE_ITEMS_LIST)
        set(line "  *")
        string(REPLACE " " ";" words "${item}")
        foreach(word IN LISTS words)
            string(LENGTH "${line} ${word}" length)
            if(length GREATER 78)
                string(APPEND text "${line}\n")
                set(line "   ")
            endif()
            tafomat_release_text("${word}" word)
            string(APPEND line " ${word}")
        endforeach()
        string(APPEND text "${line}\n")
    endforeach()
    string(APPEND text "\n -- ${TAFOMAT_MAINTAINER}  ${when}\n")
    file(WRITE ${out} "${text}")
endfunction()

# The machine-readable copyright file, with the holders and the licence text from LICENSE.
function(tafomat_debian_copyright out)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE)
    file(READ ${CMAKE_SOURCE_DIR}/LICENSE licence)
    string(REGEX MATCHALL "Copyright (\\(c\\) )?[^\n]*" holders "${licence}")
    list(TRANSFORM holders REPLACE "^Copyright (\\(c\\) )?" "")
    string(JOIN "\n " holders ${holders})
    # The text after the copyright lines, each line indented and empty lines written as ".".
    string(REGEX REPLACE ".*Copyright [^\n]*\n+" "" body "${licence}")
    string(STRIP "${body}" body)
    string(REPLACE "\n\n" "\n.\n" body "${body}")
    string(REPLACE "\n" "\n " body "${body}")
    file(WRITE ${out}
         "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
         "Upstream-Name: Tafomat\n\n"
         "Files: *\nCopyright: ${holders}\nLicense: Expat\n ${body}\n")
endfunction()

function(tafomat_gzip in out)
    execute_process(COMMAND gzip -9 -n -c ${in} OUTPUT_FILE ${out} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

tafomat_release_notes(${CMAKE_SOURCE_DIR}/CHANGELOG.md ${PROJECT_VERSION})
set(TAFOMAT_RELEASE_ITEMS)
foreach(item IN LISTS TAFOMAT_RELEASE_ITEMS_LIST)
    tafomat_release_text("${item}" item)
    string(REPLACE "&" "&amp;" item "${item}")
    string(REPLACE "<" "&lt;" item "${item}")
    string(APPEND TAFOMAT_RELEASE_ITEMS "          <li>${item}</li>\n")
endforeach()
string(REGEX REPLACE "\n$" "" TAFOMAT_RELEASE_ITEMS "${TAFOMAT_RELEASE_ITEMS}")

set(generated ${CMAKE_BINARY_DIR}/package)
configure_file(${CMAKE_SOURCE_DIR}/assets/tafomat.metainfo.xml.in
               ${generated}/${TAFOMAT_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/assets/tafomat.1.in ${generated}/tafomat.1 @ONLY)
tafomat_gzip(${generated}/tafomat.1 ${generated}/tafomat.1.gz)
tafomat_debian_changelog(${generated}/changelog)
tafomat_gzip(${generated}/changelog ${generated}/changelog.gz)
tafomat_debian_copyright(${generated}/copyright)
tafomat_gzip(${CMAKE_SOURCE_DIR}/docs/anleitung.md ${generated}/anleitung.md.gz)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/anleitung.md)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/tafomat)

# Qt's project setup points installed programs at $ORIGIN/../lib; the installed program
# finds Qt in the system's library folders and needs no search path of its own.
set_target_properties(tafomat PROPERTIES INSTALL_RPATH "")
install(TARGETS tafomat RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/assets/tafomat.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${TAFOMAT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/assets/tafomat.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS TAFOMAT_ICON_SIZES)
    install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/tafomat-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME tafomat.png)
endforeach()
install(FILES ${generated}/tafomat.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Debian's packages carry no compiler notes; the strip before this leaves them in.
install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tafomat\"
    COMMAND_ERROR_IS_FATAL ANY)")
# The guide with what it links to: its pictures and the example design. The design names its
# picture by the path where it is installed (the built-in picture as leer.jpg), so that it opens
# and exports from any folder; the path is known only when installing. sed, because CMake's
# reading of text drops the line ends' carriage returns.
install(FILES ${generated}/copyright ${generated}/changelog.gz ${generated}/anleitung.md.gz
              ${CMAKE_SOURCE_DIR}/docs/fenster.png ${CMAKE_SOURCE_DIR}/docs/beispiel.png
        DESTINATION ${docdir})
# The same, uncompressed where F1 opens it: below the program's prefix, in share/tafomat.
install(FILES ${CMAKE_SOURCE_DIR}/docs/anleitung.md ${CMAKE_SOURCE_DIR}/docs/fenster.png
              ${CMAKE_SOURCE_DIR}/docs/beispiel.png ${CMAKE_SOURCE_DIR}/docs/beispiel.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tafomat)
install(FILES ${CMAKE_SOURCE_DIR}/assets/hintergrund.jpg DESTINATION ${docdir} RENAME leer.jpg)
install(CODE "execute_process(
    COMMAND sed \"1s|^[^[:cntrl:]]*|\${CMAKE_INSTALL_PREFIX}/${docdir}/leer.jpg|\"
            ${CMAKE_SOURCE_DIR}/docs/beispiel.txt
    OUTPUT_FILE \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${docdir}/beispiel.txt\"
    COMMAND_ERROR_IS_FATAL ANY)")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tafomat)
set(CPACK_PACKAGE_VENDOR "The Tafomat developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "forum banner designer that writes a PHP script for GD")
set(CPACK_PACKAGE_DESCRIPTION
    "Tafomat designs a forum signature banner: a JPEG background picture with lines\n"
    "of text drawn over it. The text is a template with commands for bold, colour,\n"
    "size and position and placeholders for live values of somebody who stopped\n"
    "smoking: the days since the start, the cigarettes not smoked, the money saved.\n"
    "\n"
    "The window shows a live preview and writes a PHP script that draws the same\n"
    "banner with the GD image functions on a web server at every request, so its\n"
    "numbers are always current. The command tafomat export does the same without\n"
    "a window.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "${TAFOMAT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAFOMAT_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The preview asks for Arial; without Liberation Sans, its metric twin, fontconfig silently
# takes another font and the preview no longer matches the server. The window loads Qt's German
# texts for its standard dialogs and buttons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
# QtKeychain reaches the desktop's keyring through libsecret, which it loads only when it runs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libsecret-1-0")
set(CPACK_STRIP_FILES ON)
include(CPack)
