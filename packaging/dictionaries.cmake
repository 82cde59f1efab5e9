# The spell checker's dictionaries in the engine's own binary form, converted from the hunspell
# dictionaries found on the build machine (Debian's hunspell-* packages). They sit beside the
# program in the build folder and in share/kelvane when installed.
find_program(KELVANE_CONVERT_DICT qwebengine_convert_dict
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/libexec)
set(dictionary_folder ${PROJECT_BINARY_DIR}/qtwebengine_dictionaries)
set(dictionaries)
if(KELVANE_CONVERT_DICT)
    file(GLOB hunspell_dictionaries /usr/share/hunspell/*.dic)
    foreach(dic ${hunspell_dictionaries})
        get_filename_component(name ${dic} NAME_WE)
        if(NOT EXISTS /usr/share/hunspell/${name}.aff)
            continue()
        endif()
        # The engine names languages as "en-US".
        string(REPLACE "_" "-" language ${name})
        set(bdic ${dictionary_folder}/${language}.bdic)
        add_custom_command(OUTPUT ${bdic}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${dictionary_folder}
            COMMAND ${KELVANE_CONVERT_DICT} ${dic} ${bdic}
            DEPENDS ${dic} /usr/share/hunspell/${name}.aff VERBATIM)
        list(APPEND dictionaries ${bdic})
    endforeach()
else()
    message(WARNING "qwebengine_convert_dict not found (qt6-webengine-dev-tools): no dictionaries")
endif()
add_custom_target(kelvane_dictionaries ALL DEPENDS ${dictionaries})
if(dictionaries)
    install(FILES ${dictionaries}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvane/qtwebengine_dictionaries)
endif()
