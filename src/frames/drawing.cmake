# Drawing of the two mechanisms (used at build time by the frame generator).
add_library(vorn_drawing STATIC
  frame_drawing.cpp
  piston_pose.cpp
  raster.cpp
  shapes.cpp
  crank_train.cpp
  static_layer.cpp
  piston_rings.cpp
  vorn_mechanism.cpp
  conventional_mechanism.cpp
)
target_link_libraries(vorn_drawing PUBLIC vorn_image vorn_cycle)
