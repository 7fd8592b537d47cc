target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/reader_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/super_tabs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/super_tabs_paint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tab.cpp
)
