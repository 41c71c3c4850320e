# BMP RLE8 codec, the frame records and the frame set read at run time.

# The codec and the record format, shared by the frame generator (build time)
# and the frame set (run time).
add_library(vorn_codec STATIC
  bmp_rle8_error.cpp
  bmp_rle8_header.cpp
  bmp_rle8_decoder.cpp
  bmp_rle8_encoder.cpp
  frame_records.cpp)
vorn_public_headers(vorn_codec
  bmp_rle8_decoder.hpp
  bmp_rle8_encoder.hpp
  bmp_rle8_error.hpp
  bmp_rle8_format.hpp
  frame_records.hpp)
vorn_private_headers(vorn_codec bmp_rle8_header.hpp)
target_link_libraries(vorn_codec PUBLIC vorn_image vorn_cycle PRIVATE vorn_byte_order)

# The twenty frame pictures, decoded from the records that vorn-frames
# generates and embeds (target vorn_embedded_frames, tools/vorn-frames).
add_library(vorn_frames STATIC frame_set.cpp)
vorn_public_headers(vorn_frames frame_set.hpp)
target_link_libraries(vorn_frames PUBLIC vorn_codec vorn_image PRIVATE vorn_embedded_frames)
