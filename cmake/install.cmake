# cmake --install: the game in bin/, its data root in share/tsumikiya (where
# the game looks from bin/), and the desktop integration: the .desktop file,
# the icons drawn at build time, the AppStream metainfo and the man page.
include(GNUInstallDirs)
set(_id org.tsumikiya.Tsumikiya)
install(TARGETS tsumikiya RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# What players wrote into the build tree's data root stays out.
install(DIRECTORY ${TSUMIKIYA_GAME_DIR}/cg ${TSUMIKIYA_GAME_DIR}/dat ${TSUMIKIYA_GAME_DIR}/mp3
  DESTINATION ${CMAKE_INSTALL_DATADIR}/tsumikiya
  PATTERN my.dat EXCLUDE
  PATTERN replays EXCLUDE
  PATTERN ".*" EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/dist/${_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/dist/${_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/dist/tsumikiya.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
foreach(_size 32 48 128 256)
  install(FILES ${TSUMIKIYA_ICON_DIR}/${_size}x${_size}/tsumikiya.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
    RENAME ${_id}.png)
endforeach()
