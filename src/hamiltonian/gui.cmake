target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ham_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ham_form.h
    ${CMAKE_CURRENT_LIST_DIR}/ham_form_build.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ham_form_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ham_grid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ham_grid.h
    ${CMAKE_CURRENT_LIST_DIR}/ham_grid_painter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ham_grid_painter.h
)
