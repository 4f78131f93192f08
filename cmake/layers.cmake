# The program is built as a stack of libraries, each seeing only the headers of what it links:
#   model (controls <- forms <- context, with the platform interfaces) <- behaviour modules
#   <- app <- front end (frontend/qt or frontend/win32, over frontend/shared and system/).
# A library's headers are exposed file by file in a folder of its own under layers/, and
# that folder is its only include directory, so an include of a header from a layer above
# (or from a module it does not link) fails to build.
#
#   reminder_layer(NAME [SOURCES files...] [HEADERS files...] [DEPENDS libraries...])
# HEADERS default to the *.h beside the calling CMakeLists.txt; they are included by their
# path below src/ ("behaviour/countdown/countdown.h"). A layer without SOURCES is header-only.
set(REMINDER_LAYERS_DIR ${PROJECT_BINARY_DIR}/layers)

function(reminder_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "SOURCES;HEADERS;DEPENDS")
  if(NOT DEFINED LAYER_HEADERS)
    file(GLOB LAYER_HEADERS CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
         ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  endif()
  set(exposed ${REMINDER_LAYERS_DIR}/${name})
  file(REMOVE_RECURSE ${exposed})
  foreach(header IN LISTS LAYER_HEADERS)
    file(REAL_PATH ${header} source BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
    file(RELATIVE_PATH below_src ${PROJECT_SOURCE_DIR}/src ${source})
    get_filename_component(folder ${exposed}/${below_src} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${source} ${exposed}/${below_src} SYMBOLIC)
  endforeach()

  if(LAYER_SOURCES)
    add_library(${name} STATIC ${LAYER_SOURCES})
    target_include_directories(${name} PUBLIC ${exposed})
    target_link_libraries(${name} PUBLIC ${LAYER_DEPENDS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${exposed})
    target_link_libraries(${name} INTERFACE ${LAYER_DEPENDS})
  endif()
endfunction()
