# Delay-loaded imports: a DLL named here is loaded on the first call into it
# instead of at start, so what the clock may never need in a run (the open
# dialog, printers, sockets, sounds, the shell) costs no start-up time and no
# memory until it is used.
#
# horalto_delay_imports(<target> <dll>...) builds, for each DLL, an import
# library of the delay kind from the exports of the toolchain's own import
# library, and links it into <target> and whatever links <target>, ahead of
# the ordinary import libraries named after this call.
function(horalto_delay_imports target)
  set(dir ${CMAKE_BINARY_DIR}/delay_imports)
  file(MAKE_DIRECTORY ${dir})
  set(libs)
  foreach(dll IN LISTS ARGN)
    get_filename_component(base ${dll} NAME_WE)
    string(TOLOWER ${base} base)
    execute_process(COMMAND ${CMAKE_C_COMPILER} -print-file-name=lib${base}.a
                    OUTPUT_VARIABLE implib OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS ${implib})
      message(FATAL_ERROR "no import library lib${base}.a for ${dll}")
    endif()
    set(out ${dir}/lib${base}_delay.a)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DIMPLIB=${implib} -DDLL=${dll}
              -DDEF=${dir}/${base}.def -P ${CMAKE_SOURCE_DIR}/cmake/make_def.cmake
      COMMAND ${CMAKE_DLLTOOL} --dllname ${dll} --input-def ${dir}/${base}.def --output-delaylib ${out}
      DEPENDS ${implib} ${CMAKE_SOURCE_DIR}/cmake/make_def.cmake
      VERBATIM)
    list(APPEND libs ${out})
  endforeach()
  add_custom_target(${target}_delay_imports DEPENDS ${libs})
  add_dependencies(${target} ${target}_delay_imports)
  target_link_libraries(${target} PUBLIC ${libs} delayimp)
endfunction()
