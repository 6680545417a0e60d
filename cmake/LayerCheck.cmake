# Static libraries only pull the objects a program asks for, so a reference from one layer to a layer
# above it could stay hidden. Each layer is therefore linked whole into a small program against the
# layers below it alone: a reference upwards fails the build.
function(orvel_layer_check layer)
  set(check ${layer}_links_down)
  add_executable(${check} ${PROJECT_SOURCE_DIR}/cmake/layer_check.cpp)
  target_link_options(${check} PRIVATE "LINKER:--whole-archive" "$<TARGET_FILE:${layer}>" "LINKER:--no-whole-archive")
  target_link_libraries(${check} PRIVATE ${ARGN})
  add_dependencies(${check} ${layer})
  set_target_properties(${check} PROPERTIES LINK_DEPENDS "$<TARGET_FILE:${layer}>")
endfunction()
