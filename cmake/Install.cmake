# Installation: both programs in bin/, the shader pairs and the default textures they read under
# share/tesmorel/ (the viewer reads shaders/ and textures/ relative to its working directory, so
# an installed copy runs from there), and a manual page for each program.
include(GNUInstallDirs)

set(TESMOREL_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tesmorel)

install(TARGETS tesmorel tesmorel-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/shaders/
  DESTINATION ${TESMOREL_INSTALL_DATADIR}/shaders
  FILES_MATCHING PATTERN "*.vs" PATTERN "*.fs")

install(DIRECTORY ${PROJECT_SOURCE_DIR}/textures/
  DESTINATION ${TESMOREL_INSTALL_DATADIR}/textures
  FILES_MATCHING PATTERN "*.png" PATTERN "*.jpg")

install(FILES ${PROJECT_SOURCE_DIR}/man/tesmorel.1 ${PROJECT_SOURCE_DIR}/man/tesmorel-render.1
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
