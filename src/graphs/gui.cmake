target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/graph_details.cpp
    ${CMAKE_CURRENT_LIST_DIR}/graph_page.cpp
    ${CMAKE_CURRENT_LIST_DIR}/graph_page_actions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/heat_pages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mean_field_pages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_parts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/plot_painter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/range_editor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/range_editor.h
    ${CMAKE_CURRENT_LIST_DIR}/side_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/susceptibility_pages.cpp
)
