# The program's texts in other languages, compiled into it. kelvane_LANG.ts holds the texts the
# sources pass to tr(); `cmake --build build --target kelvane_ui_lupdate` brings it up to date
# with them. stringtable_LANG.ts holds the string table's texts (context "StringTable", the
# English text as source), edited by hand since lupdate does not read the table.
set(kelvane_languages de fr)
set(kelvane_source_ts)
set(kelvane_table_ts)
foreach(language ${kelvane_languages})
    list(APPEND kelvane_source_ts ${CMAKE_CURRENT_LIST_DIR}/kelvane_${language}.ts)
    list(APPEND kelvane_table_ts ${CMAKE_CURRENT_LIST_DIR}/stringtable_${language}.ts)
endforeach()
file(GLOB_RECURSE kelvane_translated_sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.ui)
qt_add_lupdate(kelvane_ui TS_FILES ${kelvane_source_ts} SOURCES ${kelvane_translated_sources}
    OPTIONS -locations none)
qt_add_lrelease(kelvane_ui TS_FILES ${kelvane_source_ts} ${kelvane_table_ts}
    QM_FILES_OUTPUT_VARIABLE kelvane_qm_files OPTIONS -silent)
qt_add_resources(kelvane_ui "kelvane_translations"
    PREFIX "/i18n"
    BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${kelvane_qm_files})
