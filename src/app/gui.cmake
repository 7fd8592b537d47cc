target_sources(vintrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/instance_channel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
)
