# colmara_render_icons(<out-var> SVG <file> SIZES <n>... DIRECTORY <dir>)
# Renders the SVG as square PNGs <dir>/<n>.png at build time and puts their
# paths in <out-var>; the SVG is the only drawing of the icon kept in the
# sources.
function(colmara_render_icons out_var)
  cmake_parse_arguments(ARG "" "SVG;DIRECTORY" "SIZES" ${ARGN})
  find_program(COLMARA_RSVG_CONVERT rsvg-convert REQUIRED)
  set(pngs "")
  foreach(size IN LISTS ARG_SIZES)
    set(png ${ARG_DIRECTORY}/${size}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${ARG_DIRECTORY}
      COMMAND ${COLMARA_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${ARG_SVG}
      DEPENDS ${ARG_SVG}
      COMMENT "Rendering the ${size}x${size} icon"
      VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  set(${out_var} ${pngs} PARENT_SCOPE)
endfunction()
