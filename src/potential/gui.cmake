target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/gl_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gl_panel.h
)
