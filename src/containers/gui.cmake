target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/import_dialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/save_dialogs.cpp
)
