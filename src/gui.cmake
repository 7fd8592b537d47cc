# The Qt layer: controls, pages and forms on top of the core.
find_package(Qt6 REQUIRED COMPONENTS Widgets OpenGLWidgets PrintSupport Network)
set(CMAKE_AUTOMOC ON)

add_library(vintrel_gui STATIC)
target_link_libraries(vintrel_gui PUBLIC vintrel_core Qt6::Widgets Qt6::OpenGLWidgets Qt6::PrintSupport Qt6::Network)
target_include_directories(vintrel_gui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
set_target_properties(vintrel_gui PROPERTIES AUTOMOC ON)

# Pictures drawn by tools/assets, compiled in under ":/data/".
file(GLOB vintrel_pictures CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.bmp)
if(vintrel_pictures)
    qt_add_resources(vintrel_gui "pictures" PREFIX "/" BASE ${CMAKE_SOURCE_DIR}
        FILES ${vintrel_pictures})
endif()

# Folders that hold only Qt code have a CMakeLists.txt of their own; folders that mix core and
# Qt code list their Qt files in a gui.cmake beside their CMakeLists.txt.
foreach(dir controls)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
        add_subdirectory(${dir})
    endif()
endforeach()
foreach(dir app containers resultdata tabs graphs levels parameters hamiltonian potential)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/gui.cmake)
        include(${dir}/gui.cmake)
    endif()
endforeach()
