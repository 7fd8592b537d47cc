# The Qt layer: controls, pages and forms on top of the core.
find_package(Qt6 REQUIRED COMPONENTS Widgets OpenGLWidgets PrintSupport Network Svg)
set(CMAKE_AUTOMOC ON)

add_library(vintrel_gui STATIC)
target_link_libraries(vintrel_gui PUBLIC vintrel_core Qt6::Widgets Qt6::OpenGLWidgets Qt6::PrintSupport Qt6::Network Qt6::Svg)
target_include_directories(vintrel_gui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
set_target_properties(vintrel_gui PROPERTIES AUTOMOC ON)

# Pictures drawn by tools/assets, compiled in under ":/data/".
file(GLOB vintrel_pictures CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.bmp)
if(vintrel_pictures)
    qt_add_resources(vintrel_gui "pictures" PREFIX "/" BASE ${CMAKE_SOURCE_DIR}
        FILES ${vintrel_pictures})
endif()

# Each folder lists its Qt files in a gui.cmake beside its CMakeLists.txt.
foreach(dir controls app containers resultdata tabs graphs levels parameters hamiltonian potential description)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/gui.cmake)
        include(${dir}/gui.cmake)
    endif()
endforeach()
