# Tessellon's CMake package: fonts made by tessellon-cli from a font recipe as part of a
# build.
#
#   find_package(Tessellon REQUIRED)
#   add_executable(display main.c)
#   tessellon_add_font(TARGET display RECIPE fonts/ui.tfont)
#
# tessellon_add_font(TARGET target RECIPE recipe [OUTPUT_DIRECTORY folder])
#   Makes the outputs of the recipe (a path relative to the current source folder) with
#   `tessellon-cli build` into the folder (default: tessellon/<recipe name> in the current
#   binary folder), adds them to the target's sources and the folder to its include
#   folders. They are made again when the recipe or a file it names changes (the font file,
#   the character set, the source files it takes characters from, the overlay, a script),
#   and not otherwise. A change of the recipe runs CMake again, which asks tessellon-cli for
#   the recipe's inputs and outputs (`tessellon-cli build --list`).
#
# Sets Tessellon_CLI, the path of tessellon-cli, and the imported program Tessellon::cli.

get_filename_component(_tessellon_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
find_program(Tessellon_CLI tessellon-cli PATHS "${_tessellon_prefix}/bin" NO_DEFAULT_PATH)
unset(_tessellon_prefix)
if(NOT Tessellon_CLI)
    set(Tessellon_FOUND FALSE)
    set(Tessellon_NOT_FOUND_MESSAGE "tessellon-cli is not in the bin folder beside this package")
    return()
endif()
if(NOT TARGET Tessellon::cli)
    add_executable(Tessellon::cli IMPORTED)
    set_target_properties(Tessellon::cli PROPERTIES IMPORTED_LOCATION "${Tessellon_CLI}")
endif()

function(tessellon_add_font)
    cmake_parse_arguments(PARSE_ARGV 0 font "" "TARGET;RECIPE;OUTPUT_DIRECTORY" "")
    if(font_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "tessellon_add_font: unknown arguments ${font_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT font_TARGET OR NOT TARGET "${font_TARGET}")
        message(FATAL_ERROR "tessellon_add_font: TARGET must name a target made before, not '${font_TARGET}'")
    endif()
    if(NOT font_RECIPE)
        message(FATAL_ERROR "tessellon_add_font: RECIPE is needed")
    endif()
    get_filename_component(recipe "${font_RECIPE}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    get_filename_component(recipe_name "${recipe}" NAME_WE)
    set(folder "${font_OUTPUT_DIRECTORY}")
    if(NOT folder)
        set(folder "${CMAKE_CURRENT_BINARY_DIR}/tessellon/${recipe_name}")
    endif()
    get_filename_component(folder "${folder}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")

    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${recipe}")
    execute_process(COMMAND "${Tessellon_CLI}" build "${recipe}" --list --output-dir "${folder}"
        OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "tessellon_add_font: ${errors}")
    endif()
    string(REPLACE "\n" ";" lines "${listing}")
    set(inputs)
    set(outputs)
    foreach(line IN LISTS lines)
        if(line MATCHES "^input (.+)$")
            list(APPEND inputs "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^output (.+)$")
            list(APPEND outputs "${CMAKE_MATCH_1}")
        endif()
    endforeach()

    add_custom_command(OUTPUT ${outputs}
        COMMAND Tessellon::cli build "${recipe}" --output-dir "${folder}"
        DEPENDS ${inputs}
        COMMENT "Making the fonts of ${font_RECIPE}"
        VERBATIM)
    target_sources(${font_TARGET} PRIVATE ${outputs})
    target_include_directories(${font_TARGET} PRIVATE "${folder}")
endfunction()
