target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/detail_forms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/energy_view_controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/level_page_parts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mean_field_diagram_painter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/level_diagram_painter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/level_overlay_view.cpp
    ${CMAKE_CURRENT_LIST_DIR}/poziomy.cpp
    ${CMAKE_CURRENT_LIST_DIR}/poziomy_actions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/poziomy_events.cpp
    ${CMAKE_CURRENT_LIST_DIR}/poziomy_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/poziomy_d.cpp
    ${CMAKE_CURRENT_LIST_DIR}/poziomy_d_actions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/spectroscopy_page.cpp
    ${CMAKE_CURRENT_LIST_DIR}/spectroscopy_page_actions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/spectroscopy_page_measured.cpp
)
