target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/gl_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gl_panel.h
    ${CMAKE_CURRENT_LIST_DIR}/palette_strip.cpp
    ${CMAKE_CURRENT_LIST_DIR}/palette_strip.h
    ${CMAKE_CURRENT_LIST_DIR}/pot_vis_build.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pot_vis_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pot_vis_form.h
    ${CMAKE_CURRENT_LIST_DIR}/pot_vis_mfa.cpp
)
