# Fails when a source of the core includes an SDL header.
# The core (game, data, render, editor, ui) must build and run without SDL.
foreach(dir game data render editor ui)
  file(GLOB_RECURSE files "${ROOT}/src/${dir}/*.h" "${ROOT}/src/${dir}/*.cpp")
  foreach(f IN LISTS files)
    file(STRINGS "${f}" hits REGEX "#[ \t]*include[ \t]*[<\"]SDL")
    if(hits)
      message(FATAL_ERROR "${f} includes SDL; only src/platform may: ${hits}")
    endif()
  endforeach()
endforeach()
