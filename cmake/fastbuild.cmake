# Short edit-build-test loops: a compiler cache when there is one, a fast linker, and debug
# information kept beside the objects (-gsplit-dwarf) so that linking each test program does
# not copy it again. Each is used only where installed; the result is the same program.
find_program(KELVANE_CCACHE ccache)
get_filename_component(kelvane_top ${CMAKE_CURRENT_LIST_DIR}/.. REALPATH)
if(KELVANE_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    # Precompiled headers are cached only with these relaxations (ccache's manual).
    set(CMAKE_CXX_COMPILER_LAUNCHER
        ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        CCACHE_BASEDIR=${kelvane_top} CCACHE_NOHASHDIR=1 ${KELVANE_CCACHE})
endif()
find_program(KELVANE_MOLD mold)
find_program(KELVANE_LLD ld.lld)
if(KELVANE_MOLD)
    add_link_options(-fuse-ld=mold)
elseif(KELVANE_LLD)
    add_link_options(-fuse-ld=lld)
endif()
if(NOT KELVANE_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options($<$<CONFIG:Debug,RelWithDebInfo>:-gsplit-dwarf>)
endif()
