# BMP RLE8 codec, the frame records and the frame set read at run time.
