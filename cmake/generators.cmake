# Functions that make generated files, shared by the folders that need them.

# morvane_host_maker(OUTPUT MAKER ARGS... [DEPENDS FILES...]): builds MAKER, a one-file C++
# program of this folder, with the build machine's own compiler (also where the build's
# compiler makes programs for another machine), and runs it with ARGS to make OUTPUT. The
# maker sees the project's headers; FILES are further inputs that it reads.
function(morvane_host_maker output maker)
  find_program(MORVANE_HOST_CXX NAMES c++ g++ PATHS /usr/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "ARGS;DEPENDS")
  get_filename_component(name ${maker} NAME_WE)
  set(program ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_custom_command(OUTPUT ${output}
    COMMAND ${MORVANE_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -Werror -I${PROJECT_SOURCE_DIR}
            ${CMAKE_CURRENT_SOURCE_DIR}/${maker} -o ${program}
    COMMAND ${program} ${arg_ARGS}
    DEPENDS ${maker} ${arg_DEPENDS} VERBATIM)
endfunction()

# morvane_icon_pngs(FILES PATTERN SIZES...): renders the icon's SVG as a PNG of each size,
# to PATTERN with @SIZE@ in place of the size, and sets FILES to the PNGs' paths.
set(MORVANE_ICON_SVG ${PROJECT_SOURCE_DIR}/data/icons/hicolor/scalable/apps/${MORVANE_APP_ID}.svg)
function(morvane_icon_pngs files pattern)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(pngs)
  foreach(size IN LISTS ARGN)
    string(REPLACE "@SIZE@" ${size} png ${pattern})
    get_filename_component(folder ${png} DIRECTORY)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${MORVANE_ICON_SVG}
      DEPENDS ${MORVANE_ICON_SVG} VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  set(${files} ${pngs} PARENT_SCOPE)
endfunction()
