# Flat fills on an indexed picture by the pixel-centre rule: the frames'
# drawing and the window icon's.
add_library(vorn_raster STATIC raster.cpp)
vorn_public_headers(vorn_raster raster.hpp geometry_types.hpp)
target_link_libraries(vorn_raster PUBLIC vorn_image)

# Drawing of the two mechanisms (used at build time by the frame generator).
add_library(vorn_drawing STATIC
  frame_drawing.cpp
  piston_pose.cpp
  shapes.cpp
  crank_train.cpp
  static_layer.cpp
  piston_rings.cpp
  vorn_mechanism.cpp
  conventional_mechanism.cpp
)
vorn_public_headers(vorn_drawing frame_drawing.hpp piston_pose.hpp)
# The parts of the drawing; tests/drawing checks some of them on their own.
vorn_private_headers(vorn_drawing
  conventional_mechanism.hpp
  crank_train.hpp
  mechanism_geometry.hpp
  piston_rings.hpp
  shapes.hpp
  static_layer.hpp
  vorn_mechanism.hpp)
target_link_libraries(vorn_drawing PUBLIC vorn_image vorn_raster vorn_cycle)
