target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/help_browser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/instance_channel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_pages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reader_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reader_form_description.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reader_form_import.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reader_form_tabs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/result_pages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/save_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/splash_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/start_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tab_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tab_dialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/viewer_application.cpp
    ${CMAKE_CURRENT_LIST_DIR}/viewer_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wizard_form.cpp
)

# The viewer itself.
add_executable(vintrel ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(vintrel PRIVATE vintrel_gui)

# The help pages and their pictures, beside the executable as data/wizard-reader/...
file(GLOB_RECURSE vintrel_help_files CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/data
    ${CMAKE_SOURCE_DIR}/data/wizard-reader/*)
foreach(help_file ${vintrel_help_files})
    configure_file(${CMAKE_SOURCE_DIR}/data/${help_file} ${VINTREL_RUNTIME_DIR}/data/${help_file}
        COPYONLY)
endforeach()

# The report of a result as a PDF, run by `vintrel-cli report`.
target_sources(vintrel_gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/result_report.cpp)
add_executable(vintrel-report ${CMAKE_CURRENT_LIST_DIR}/report_main.cpp)
target_link_libraries(vintrel-report PRIVATE vintrel_gui)
