target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/elem_panel_build.cpp
    ${CMAKE_CURRENT_LIST_DIR}/elem_panel_result_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/elem_panel_result_form.h
    ${CMAKE_CURRENT_LIST_DIR}/mini_param_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mini_param_form.h
    ${CMAKE_CURRENT_LIST_DIR}/param_result_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/param_result_form.h
    ${CMAKE_CURRENT_LIST_DIR}/param_result_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/param_result_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parameter_captions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parameter_captions.h
    ${CMAKE_CURRENT_LIST_DIR}/parameters_refresh.cpp
    ${CMAKE_CURRENT_LIST_DIR}/value_edit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/value_edit.h
)
