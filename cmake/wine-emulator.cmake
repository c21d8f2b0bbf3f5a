# Runs the Windows build's tests under Wine, so that CTest runs them as it runs a native
# build's. Finds the folders of the DLLs they load: Qt's and the
# MinGW runtime's (libstdc++, libgcc_s, libwinpthread), and of the faces they draw with.
find_program(BAILWOOD_WINE NAMES wine64 wine PATHS /usr/lib/wine REQUIRED)

get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin_dir "${qt_core_dll}" DIRECTORY)
set(dll_dirs ${qt_bin_dir})
foreach(dll IN ITEMS libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    get_filename_component(dll_dir "${dll_path}" REALPATH)
    get_filename_component(dll_dir "${dll_dir}" DIRECTORY)
    list(APPEND dll_dirs ${dll_dir})
endforeach()
list(REMOVE_DUPLICATES dll_dirs)
# Wine sees the build machine's root as drive Z:.
list(TRANSFORM dll_dirs PREPEND "Z:")
set(BAILWOOD_WINE_PATH "${dll_dirs}")

# The offscreen platform's faces: Liberation, whose folder Debian 12 and 13 name otherwise.
find_path(BAILWOOD_LIBERATION_DIR LiberationSans-Regular.ttf
    PATHS /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(BAILWOOD_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${PROJECT_BINARY_DIR}/wine-run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                     WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
