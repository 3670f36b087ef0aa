# Build-time tools, included from the top-level CMakeLists so their generated sources
# can feed the libraries directly.

# The artwork generator draws every skin bitmap and the pictures of the program's own
# windows; its output is embedded through one generated resource file. It runs on the
# build machine and needs no display.
file(GLOB KALMO_ARTWORK_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/tools/artwork/*.cpp ${CMAKE_SOURCE_DIR}/tools/artwork/*.h)
add_executable(kalmo-artwork ${KALMO_ARTWORK_SOURCES})
# The window pictures' indices and resource files come from the headers that load them.
target_include_directories(kalmo-artwork PRIVATE
    $<TARGET_PROPERTY:kalmo_app,INTERFACE_INCLUDE_DIRECTORIES>)
target_link_libraries(kalmo-artwork PRIVATE Qt6::Gui)

set(KALMO_ARTWORK_DIR ${CMAKE_BINARY_DIR}/artwork)
add_custom_command(
    OUTPUT ${KALMO_ARTWORK_DIR}/skin_artwork.qrc
    BYPRODUCTS ${KALMO_ARTWORK_DIR}/hicolor/16x16/apps/kalmo.png
               ${KALMO_ARTWORK_DIR}/hicolor/32x32/apps/kalmo.png
               ${KALMO_ARTWORK_DIR}/hicolor/48x48/apps/kalmo.png
               ${KALMO_ARTWORK_DIR}/hicolor/256x256/apps/kalmo.png
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:kalmo-artwork> ${KALMO_ARTWORK_DIR}
    DEPENDS kalmo-artwork
    COMMENT "Drawing the skin artwork"
    VERBATIM)
add_custom_command(
    OUTPUT ${KALMO_ARTWORK_DIR}/qrc_skin_artwork.cpp
    COMMAND Qt6::rcc --name skin_artwork --output ${KALMO_ARTWORK_DIR}/qrc_skin_artwork.cpp
            ${KALMO_ARTWORK_DIR}/skin_artwork.qrc
    DEPENDS ${KALMO_ARTWORK_DIR}/skin_artwork.qrc
    VERBATIM)
# The library that loads the artwork links this one and so carries the resource's objects.
add_library(kalmo_artwork_resource OBJECT ${KALMO_ARTWORK_DIR}/qrc_skin_artwork.cpp)
set_target_properties(kalmo_artwork_resource PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
target_link_libraries(kalmo_artwork_resource PRIVATE Qt6::Core)
