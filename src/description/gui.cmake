target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/belka_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/description_edit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/format_boxes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rich_text_document.cpp
)
