# Each layer lists its fuzz targets in a file of its own.
include(${CMAKE_CURRENT_LIST_DIR}/search.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/image.cmake OPTIONAL)
