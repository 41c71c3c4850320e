# Drawing of the two mechanisms (used at build time by the frame generator).
add_library(vorn_drawing STATIC frame_drawing.cpp)
target_link_libraries(vorn_drawing PUBLIC vorn_image)
