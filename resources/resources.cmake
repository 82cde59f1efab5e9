# Pictures and sounds compiled into the program.
file(GLOB_RECURSE kelvane_resource_files CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/icons/*.svg ${CMAKE_CURRENT_LIST_DIR}/icons/*.png
    ${CMAKE_CURRENT_LIST_DIR}/sounds/*.wav ${CMAKE_CURRENT_LIST_DIR}/help/*)
qt_add_resources(kelvane_ui "kelvane_resources"
    PREFIX "/"
    BASE ${CMAKE_CURRENT_LIST_DIR}
    FILES ${kelvane_resource_files})
