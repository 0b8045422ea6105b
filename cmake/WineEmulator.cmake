# Test programs built for Windows run under Wine, in a private 32-bit prefix
# inside the build folder.
set(VELMORA_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMORA_WINE_RUN} ${CMAKE_BINARY_DIR}/wineprefix)
