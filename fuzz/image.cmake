# Fuzz targets of the image layer: one for the picture box's one entry, and
# one for each format's decoder on its own, which also gets the inputs that
# telling the format apart would turn away.
taoci_add_fuzzer(decode_picture_fuzz SOURCE decode_picture_fuzz.cpp LIBS taoci_image)
taoci_add_fuzzer(jpeg_decode_fuzz SOURCE jpeg_decode_fuzz.cpp LIBS taoci_image)
taoci_add_fuzzer(png_decode_fuzz SOURCE png_decode_fuzz.cpp LIBS taoci_image)
taoci_add_fuzzer(gif_decode_fuzz SOURCE gif_decode_fuzz.cpp LIBS taoci_image)
taoci_add_fuzzer(bmp_decode_fuzz SOURCE bmp_decode_fuzz.cpp LIBS taoci_image)
taoci_add_fuzzer(icon_decode_fuzz SOURCE icon_decode_fuzz.cpp LIBS taoci_image)
taoci_add_fuzzer(pcx_decode_fuzz SOURCE pcx_decode_fuzz.cpp LIBS taoci_image)
