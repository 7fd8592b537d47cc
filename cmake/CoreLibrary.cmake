# vintrel_core_library(FOLDER [SOURCES file...] [DEPENDS lib...])
#
# Makes the Qt-free files of one folder of src/ a static library `vintrel_<FOLDER>`. The library
# sees only its own folder and the folders of the libraries it depends on: its include root is a
# folder of the build tree holding a link to src/<FOLDER> alone, and the roots of its
# dependencies come with them. A core file that includes a header of a folder it may not use
# therefore fails to compile, and none of them sees a Qt header.
function(vintrel_core_library folder)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;DEPENDS")
    set(target vintrel_${folder})
    set(root ${CMAKE_BINARY_DIR}/layers/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
    add_library(${target} STATIC ${arg_SOURCES})
    target_include_directories(${target} PUBLIC ${root})
    if(arg_DEPENDS)
        target_link_libraries(${target} PUBLIC ${arg_DEPENDS})
    endif()
    set_property(GLOBAL APPEND PROPERTY VINTREL_CORE_LIBRARIES ${target})
    foreach(source ${arg_SOURCES})
        get_filename_component(source ${source} ABSOLUTE)
        set_property(GLOBAL APPEND PROPERTY VINTREL_CORE_SOURCES ${source})
    endforeach()
endfunction()

# Writes the list of every core source, which the include-rule check reads.
function(vintrel_write_core_sources file)
    get_property(sources GLOBAL PROPERTY VINTREL_CORE_SOURCES)
    list(JOIN sources "\n" content)
    file(WRITE ${file} "${content}\n")
endfunction()
