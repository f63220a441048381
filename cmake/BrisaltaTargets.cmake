# Helpers that keep the layering of the source tree honest.
#
# A core folder (plain C++20, no Qt, no curl) is declared with
#   brisalta_core_library(<folder> SOURCES ... DEPENDS <other core targets>)
# which creates the static library brisalta_<folder>. At the end of the
# configuration brisalta_check_core_targets() walks the link closure of every
# core library and stops with an error when Qt or curl shows up in it.

define_property(GLOBAL PROPERTY BRISALTA_CORE_TARGETS
    BRIEF_DOCS "Core libraries that must not link Qt or curl"
    FULL_DOCS "Filled by brisalta_core_library().")

function(brisalta_core_library folder)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    set(target brisalta_${folder})
    add_library(${target} STATIC ${ARG_SOURCES})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
    set_property(GLOBAL APPEND PROPERTY BRISALTA_CORE_TARGETS ${target})
endfunction()

function(_brisalta_link_closure target out)
    set(seen ${${out}})
    if(target IN_LIST seen)
        return()
    endif()
    list(APPEND seen ${target})
    if(TARGET ${target})
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(libs ${target} INTERFACE_LINK_LIBRARIES)
        else()
            get_target_property(libs ${target} LINK_LIBRARIES)
        endif()
        if(libs)
            foreach(lib IN LISTS libs)
                _brisalta_link_closure(${lib} seen)
            endforeach()
        endif()
    endif()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(brisalta_check_core_targets)
    get_property(core GLOBAL PROPERTY BRISALTA_CORE_TARGETS)
    foreach(target IN LISTS core)
        set(closure "")
        _brisalta_link_closure(${target} closure)
        foreach(lib IN LISTS closure)
            if(lib MATCHES "^(Qt[0-9]*::|CURL::|.*libcurl|.*Qt[0-9]*(Core|Gui|Widgets))")
                message(FATAL_ERROR "Core library ${target} links ${lib}: the core must not depend on Qt or curl")
            endif()
            if(NOT target STREQUAL "brisalta_app" AND
               lib MATCHES "^brisalta_(app|ui|cli.*|render|adapters|curl)$")
                message(FATAL_ERROR "Core library ${target} links ${lib}: the core must not depend on the layers above it")
            endif()
        endforeach()
    endforeach()
endfunction()

# The same layering on the includes, checked at every build: a core folder
# that includes Qt, curl, or a header of app/, ui/, cli/, render/ or adapters/
# fails the build.
function(brisalta_layer_check)
    add_custom_target(brisalta_layers ALL
        COMMAND ${PROJECT_SOURCE_DIR}/cmake/check_layers.sh ${PROJECT_SOURCE_DIR}
        COMMENT "Comprobando las capas del código"
        VERBATIM)
endfunction()

# A module: a shared object the program loads the first time it needs it
# (loading/loadedmodule.h), so that the libraries it links are mapped only by
# the runs that use them. Built into the build tree's module folder, installed
# into <libdir>/brisalta; only the symbols marked for export are visible.
function(brisalta_module name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_library(${name} MODULE ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES
        PREFIX ""
        LIBRARY_OUTPUT_DIRECTORY ${BRISALTA_BUILD_MODULE_DIR}
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
    # Calls inside the module stay inside it, and a missing symbol fails the
    # build rather than the first export (the fuzzing build leaves the
    # coverage hooks to the program that loads it).
    target_link_options(${name} PRIVATE -Wl,-Bsymbolic)
    if(NOT BRISALTA_FUZZ)
        target_link_options(${name} PRIVATE -Wl,--no-undefined)
    endif()
    install(TARGETS ${name} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/brisalta)
endfunction()
