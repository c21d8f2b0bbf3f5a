# Installs the build into a scratch prefix and checks what a desktop needs from it: the
# executable, the desktop entry, the icon at every theme size and as SVG, the metainfo and the
# manual page. Run with cmake -P and -DBUILD_DIR, -DPREFIX, -DBINDIR, -DDATADIR and -DMANDIR
# (relative to the prefix), -DFULL_BINDIR (where the configured prefix puts the executable),
# -DAPP_ID, -DICON_SIZES (sizes, comma-separated).
cmake_minimum_required(VERSION 3.25)

foreach(variable BUILD_DIR PREFIX BINDIR DATADIR MANDIR FULL_BINDIR APP_ID ICON_SIZES)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

string(REPLACE "," ";" ICON_SIZES "${ICON_SIZES}")

file(REMOVE_RECURSE ${PREFIX})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    OUTPUT_QUIET
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

function(expect_file path)
    if(NOT EXISTS ${PREFIX}/${path})
        message(SEND_ERROR "not installed: ${path}")
    endif()
endfunction()

# Runs a validator that this machine may not have; a missing one is reported, not failed.
function(validate tool file)
    find_program(${tool}_program ${tool})
    if(NOT ${tool}_program)
        message(STATUS "${tool} not found: ${file} not validated")
        return()
    endif()
    execute_process(
        COMMAND ${${tool}_program} ${ARGN} ${file}
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(SEND_ERROR "${tool} rejects ${file}:\n${output}")
    endif()
endfunction()

# find_program finds only files the user may run.
find_program(installed_executable bailwood2 PATHS ${PREFIX}/${BINDIR} NO_DEFAULT_PATH)
if(NOT installed_executable)
    message(SEND_ERROR "no executable ${BINDIR}/bailwood2")
endif()

set(desktop ${DATADIR}/applications/${APP_ID}.desktop)
expect_file(${desktop})
if(EXISTS ${PREFIX}/${desktop})
    file(STRINGS ${PREFIX}/${desktop} name_lines REGEX "^Name=")
    if(NOT name_lines STREQUAL "Name=Bailwood 2")
        message(SEND_ERROR "desktop entry names the game '${name_lines}', not Name=Bailwood 2")
    endif()
    file(STRINGS ${PREFIX}/${desktop} icon_lines REGEX "^Icon=")
    if(NOT icon_lines STREQUAL "Icon=${APP_ID}")
        message(SEND_ERROR "desktop entry names icon '${icon_lines}', not Icon=${APP_ID}")
    endif()
    # By full path: /usr/games, where the package puts the game, is not on every PATH.
    foreach(key Exec TryExec)
        file(STRINGS ${PREFIX}/${desktop} lines REGEX "^${key}=")
        if(NOT lines STREQUAL "${key}=${FULL_BINDIR}/bailwood2")
            message(SEND_ERROR "desktop entry has '${lines}', not ${key}=${FULL_BINDIR}/bailwood2")
        endif()
    endforeach()
    validate(desktop-file-validate ${PREFIX}/${desktop})
endif()

set(svg ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg)
expect_file(${svg})
if(EXISTS ${PREFIX}/${svg})
    file(READ ${PREFIX}/${svg} svg_text LIMIT 200)
    if(NOT svg_text MATCHES "<svg")
        message(SEND_ERROR "not an SVG image: ${svg}")
    endif()
endif()

# A PNG starts with its signature and the IHDR chunk, whose first fields are the width and
# the height as 32-bit big-endian numbers.
foreach(size IN LISTS ICON_SIZES)
    set(png ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    expect_file(${png})
    if(NOT EXISTS ${PREFIX}/${png})
        continue()
    endif()
    file(READ ${PREFIX}/${png} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 32 signature)
    if(NOT signature STREQUAL "89504e470d0a1a0a0000000d49484452")
        message(SEND_ERROR "not a PNG image: ${png}")
        continue()
    endif()
    string(SUBSTRING "${header}" 32 8 width_hex)
    string(SUBSTRING "${header}" 40 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(SEND_ERROR "${png} is ${width}x${height}, not ${size}x${size}")
    endif()
endforeach()

expect_file(${MANDIR}/man6/bailwood2.6)

set(metainfo ${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
expect_file(${metainfo})
if(EXISTS ${PREFIX}/${metainfo})
    file(READ ${PREFIX}/${metainfo} metainfo_text)
    foreach(element "<id>${APP_ID}</id>"
                    "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
                    "<binary>bailwood2</binary>")
        string(FIND "${metainfo_text}" "${element}" found)
        if(found EQUAL -1)
            message(SEND_ERROR "metainfo lacks ${element}")
        endif()
    endforeach()
    # Bailwood 2 has no homepage to name. AppStream 1.0 warns of that, which fails validation;
    # 0.16 has no such check, and refuses to be told of a tag it does not know.
    set(appstream_flags validate --no-net)
    find_program(appstreamcli_program appstreamcli)
    if(appstreamcli_program)
        execute_process(COMMAND ${appstreamcli_program} --version OUTPUT_VARIABLE version)
        string(REGEX MATCH "[0-9]+(\\.[0-9]+)+" version "${version}")
        if(version VERSION_GREATER_EQUAL 1.0)
            list(APPEND appstream_flags --override=url-homepage-missing=info)
        endif()
    endif()
    validate(appstreamcli ${PREFIX}/${metainfo} ${appstream_flags})
endif()
