# One library per layer folder. The folder's parent is the layer's only include root, so
# a layer of src/core sees src/core alone: a pure layer that names a header of app/ or
# commands/ does not compile. A folder without sources becomes an interface library.
# Shared layers serve mutation runs: a fault planted in one layer then relinks one library
# instead of every program and test.
option(ZORBEL_SHARED_LAYERS "Build each layer of src/ as a shared library" OFF)
if(ZORBEL_SHARED_LAYERS)
  set(ZORBEL_LAYER_TYPE SHARED)
else()
  set(ZORBEL_LAYER_TYPE STATIC)
endif()
function(zorbel_layer name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  set(target zorbel_${name})
  if(sources)
    add_library(${target} ${ZORBEL_LAYER_TYPE} ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARGN} PRIVATE zorbel_warnings)
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARGN})
  endif()
endfunction()
