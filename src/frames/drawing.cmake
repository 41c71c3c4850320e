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
vorn_public_headers(vorn_drawing frame_drawing.hpp piston_pose.hpp geometry_types.hpp)
# The parts of the drawing; tests/drawing checks some of them on their own.
vorn_private_headers(vorn_drawing
  conventional_mechanism.hpp
  crank_train.hpp
  mechanism_geometry.hpp
  piston_rings.hpp
  raster.hpp
  shapes.hpp
  static_layer.hpp
  vorn_mechanism.hpp)
target_link_libraries(vorn_drawing PUBLIC vorn_image vorn_cycle)
