# Shared build helpers.

set(VELMORA_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
    -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough)

# All subsystem libraries, in dependency order. Executables link them as one
# group so that the subsystems may call each other freely.
set_property(GLOBAL PROPERTY VELMORA_LIBRARIES "")

# ve_subsystem(NAME [DEPENDS libs...])
# Builds every .cpp file of the current folder (recursively, but not tests) into
# the static library ve_NAME. A file named main.cpp is left out: it belongs to an
# executable. Adding a source file needs no change here.
function(ve_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  foreach(ex IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${ex}")
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_library(ve_${name} STATIC ${sources})
  target_include_directories(ve_${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_options(ve_${name} PRIVATE ${VELMORA_WARNINGS})
  target_link_libraries(ve_${name} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Svg ${ARG_DEPENDS})
  set_property(GLOBAL APPEND PROPERTY VELMORA_LIBRARIES ve_${name})
endfunction()

# ve_link_all(TARGET): link every subsystem library into an executable.
function(ve_link_all target)
  get_property(libs GLOBAL PROPERTY VELMORA_LIBRARIES)
  list(JOIN libs "," joined)
  target_link_libraries(${target} PRIVATE "$<LINK_GROUP:RESCAN,${joined}>" ve_resources)
endfunction()
