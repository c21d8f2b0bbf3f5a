# Installs the Windows build into a stage folder, strips its programs and DLLs, and makes the
# NSIS installer from it, with start-in-shell.exe, which only the installer carries. The
# installer's file lists are written from the stage, so that the uninstaller removes exactly
# what the installer put there. Run by the `installer` target.
#
# The installer is reproducible when SOURCE_DATE_EPOCH is set, as scripts/windows sets it from
# debian/changelog: the linker and strip write it as the PE time stamp, rcc as the resources'
# times, and every file goes into the installer with it as its time, which NSIS keeps.
if(NOT MAKENSIS)
    message(FATAL_ERROR "makensis not found: install Debian's nsis")
endif()
if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    message(WARNING "SOURCE_DATE_EPOCH is not set: the installer holds this build's times")
endif()
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
    COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE binaries LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*.exe ${STAGE}/*.dll)
foreach(binary IN LISTS binaries)
    execute_process(COMMAND ${STRIP} --strip-unneeded ${STAGE}/${binary} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
get_filename_component(work ${STAGE} DIRECTORY)
execute_process(COMMAND ${STRIP} --strip-unneeded ${START_IN_SHELL} -o ${work}/start-in-shell.exe
    COMMAND_ERROR_IS_FATAL ANY)
if("$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    file(GLOB_RECURSE staged LIST_DIRECTORIES false ${STAGE}/*)
    execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH}
            ${staged} ${work}/start-in-shell.exe
        COMMAND_ERROR_IS_FATAL ANY)
endif()

# NSIS names folders the Windows way.
function(windows_path out path)
    string(REPLACE "/" "\\" path "${path}")
    set(${out} "${path}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
set(install_lines "")
set(remove_lines "")
set(folders "")
set(size 0)
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    windows_path(win_file "${file}")
    windows_path(win_folder "\\${folder}")
    if(NOT folder)
        set(win_folder "")
    endif()
    string(APPEND install_lines "SetOutPath \"$INSTDIR${win_folder}\"\n")
    string(APPEND install_lines "File \"${STAGE}/${file}\"\n")
    string(APPEND remove_lines "Delete \"$INSTDIR\\${win_file}\"\n")
    # Every folder up to the top, deepest first when reversed.
    while(folder)
        list(APPEND folders "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
    file(SIZE ${STAGE}/${file} file_size)
    math(EXPR size "${size} + ${file_size}")
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(REVERSE folders)
foreach(folder IN LISTS folders)
    windows_path(win_folder "${folder}")
    string(APPEND remove_lines "RMDir \"$INSTDIR\\${win_folder}\"\n")
endforeach()
file(WRITE ${work}/install-files.nsh "${install_lines}")
file(WRITE ${work}/remove-files.nsh "${remove_lines}")
# Settings' list of apps shows the size in KiB, the uninstaller's included.
math(EXPR size_kib "(${size} + 1023) / 1024 + 64")

execute_process(COMMAND ${MAKENSIS} -V2 -NOCD
        -DVERSION=${VERSION} -DPUBLISHER=${PUBLISHER} -DICON=${ICON}
        -DFILES=${work}/install-files.nsh -DREMOVE_FILES=${work}/remove-files.nsh
        -DESTIMATED_SIZE=${size_kib} -DSTART_IN_SHELL=${work}/start-in-shell.exe
        -DOUTFILE=${OUTFILE} ${SCRIPT}
    COMMAND_ERROR_IS_FATAL ANY)
