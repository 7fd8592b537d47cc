target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/alignment.h
    ${CMAKE_CURRENT_LIST_DIR}/data_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/flood_fill.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/my_button.cpp
    ${CMAKE_CURRENT_LIST_DIR}/my_combobox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/my_label.cpp
    ${CMAKE_CURRENT_LIST_DIR}/my_trackbar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/my_updown.cpp
    ${CMAKE_CURRENT_LIST_DIR}/nice_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/panel_animation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_markup_surface.cpp
    ${CMAKE_CURRENT_LIST_DIR}/theme.h
)
