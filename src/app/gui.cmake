target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/instance_channel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_pages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reader_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reader_form_description.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reader_form_import.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reader_form_tabs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/result_pages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/save_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/start_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tab_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tab_dialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/viewer_application.cpp
    ${CMAKE_CURRENT_LIST_DIR}/viewer_main.cpp
)

# The viewer itself.
add_executable(vintrel ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(vintrel PRIVATE vintrel_gui)

# The report of a result as a PDF, run by `vintrel-cli report`.
target_sources(vintrel_gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/result_report.cpp)
add_executable(vintrel-report ${CMAKE_CURRENT_LIST_DIR}/report_main.cpp)
target_link_libraries(vintrel-report PRIVATE vintrel_gui)
